#include <gtest/gtest.h>

#include "ReasonFor.h"
#include "TempFolder.h"
#include "WordFileInput.h"

namespace {

TEST(ReadingWordFileBytesOnWindows, opensANameOutsideTheCodePage) {
    TempFolder folder;
    // café.scf, written by its UTF-16 name, read by its UTF-8 one.
    const std::string path = folder.write("caf\xC3\xA9.scf", "Drinks\r\nLATTE\r\n");
    EXPECT_EQ(readWordFileBytes(path), "Drinks\r\nLATTE\r\n");
}

TEST(ReadingWordFileBytesOnWindows, refusesDevicesAtOnce) {
    for (const char* device : {"CON", "NUL", "nul.scf"}) {
        EXPECT_EQ(reasonFor(device), "it is not a regular file") << device;
    }
}

}  // namespace
