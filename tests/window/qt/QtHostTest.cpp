#include "QtHost.h"

#include <gtest/gtest.h>

#include <QDir>

TEST(QtFileFilter, turnsTheGameFilterIntoQtsWithAllFilesMeaningEveryFile) {
    EXPECT_EQ(qtFileFilter("Scaffle files (*.scf)|*.scf|Text files (*.txt)|*.txt|All files|*.*")
                  .toStdString(),
              "Scaffle files (*.scf);;Text files (*.txt);;All files (*)");
}

TEST(SampleFolders, holdTheSourceTreesDataForAGameRunFromItsBuildFolder) {
    const QStringList folders = sampleFolders(QString(SCAFFLE_BUILD_DIR));
    EXPECT_TRUE(folders.contains(QDir(SCAFFLE_SOURCE_DIR "/data").canonicalPath()));
}
