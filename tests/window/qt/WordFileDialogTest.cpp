#include "WordFileDialog.h"

#include <gtest/gtest.h>

#include <QDir>

TEST(QtFileFilter, turnsTheGameFilterIntoQtsWithAllFilesMeaningEveryFile) {
    const FileType filter[] = {{"Scaffle files (*.scf)", "*.scf"}, {"All files", "*.*"}};
    EXPECT_EQ(qtFileFilter(filter).toStdString(), "Scaffle files (*.scf);;All files (*)");
}

TEST(SampleFolders, holdTheSourceTreesDataForAGameRunFromItsBuildFolder) {
    const QStringList folders = sampleFolders(QString(SCAFFLE_BUILD_DIR));
    EXPECT_TRUE(folders.contains(QDir(SCAFFLE_SOURCE_DIR "/data").canonicalPath()));
}
