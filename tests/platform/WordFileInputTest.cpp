#include "WordFileInput.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ReasonFor.h"
#include "TempFolder.h"

namespace {

TEST(ReadingWordFileBytes, readsTheWholeFileAsItIsOnDisk) {
    // No line end is changed, and no 0x1A byte ends the file: here one in a CR LF file, and
    // one of the letter U+011A in a UTF-16 file.
    TempFolder folder;
    for (const std::string& bytes : {std::string("Animals\r\nOTTER\r\n\x1A"),
                                     std::string("\xFF\xFE\x1A\x01\r\0\n\0W\0", 10)}) {
        EXPECT_EQ(readWordFileBytes(folder.write("words.scf", bytes)), bytes);
    }
}

TEST(ReadingWordFileBytes, refusesWhatIsNoFileWithAReason) {
    TempFolder folder;
    EXPECT_EQ(reasonFor((folder.path() / "missing.scf").string()), "it does not exist");
    EXPECT_EQ(reasonFor(""), "it does not exist");
    EXPECT_EQ(reasonFor(folder.path().string()), "it is a folder, not a file");
}

TEST(ReadingWordFileBytes, refusesAFileTooLargeForAWordList) {
    TempFolder folder;
    const std::string path = folder.write("huge.scf", "Animals\n");
    std::filesystem::resize_file(path, kLargestWordFile + 1);  // sparse: nothing is written
    EXPECT_EQ(reasonFor(path), "it is larger than 256 MiB");
}

}  // namespace
