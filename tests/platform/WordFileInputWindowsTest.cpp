#include <gtest/gtest.h>

#include <fstream>

#include "InputError.h"
#include "TempFolder.h"
#include "WordFileInput.h"

namespace {

TEST(ReadingWordFileBytesOnWindows, opensANameOutsideTheCodePage) {
    TempFolder folder;
    // café.scf, written by its UTF-16 name, read by its UTF-8 one.
    std::ofstream(folder.path() / L"caf\u00E9.scf", std::ios::binary) << "Drinks\r\nLATTE\r\n";
    const std::string utf8Folder = folder.path().string();
    EXPECT_EQ(readWordFileBytes(utf8Folder + "/caf\xC3\xA9.scf"), "Drinks\r\nLATTE\r\n");
}

TEST(ReadingWordFileBytesOnWindows, refusesDevicesAtOnce) {
    for (const char* device : {"CON", "NUL", "nul.scf"}) {
        try {
            readWordFileBytes(device);
            ADD_FAILURE() << device << " was read";
        } catch (const InputError& error) {
            EXPECT_EQ(std::string(error.what()), "it is not a regular file") << device;
        }
    }
}

}  // namespace
