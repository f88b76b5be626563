#include "QtHost.h"

#include <gtest/gtest.h>

TEST(QtFileFilter, turnsTheGameFilterIntoQtsWithAllFilesMeaningEveryFile) {
    EXPECT_EQ(qtFileFilter("Scaffle files (*.scf)|*.scf|Text files (*.txt)|*.txt|All files|*.*")
                  .toStdString(),
              "Scaffle files (*.scf);;Text files (*.txt);;All files (*)");
}
