#include "WordFileInput.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "InputError.h"
#include "TempFolder.h"

namespace {

std::string reasonFor(const std::string& path) {
    try {
        readWordFileBytes(path);
    } catch (const InputError& error) {
        return error.what();
    }
    return "no error";
}

TEST(ReadingWordFileBytes, readsTheWholeFileAsItIs) {
    TempFolder folder;
    const std::string bytes("Animals\r\nOT\0TER\r\n", 17);
    EXPECT_EQ(readWordFileBytes(folder.write("words.scf", bytes)), bytes);
}

TEST(ReadingWordFileBytes, readsPastTheSizeTheFileClaims) {
    // Files under /proc claim a size of 0 and still have content.
    EXPECT_TRUE(readWordFileBytes("/proc/self/status").starts_with("Name:"));
}

TEST(ReadingWordFileBytes, refusesWhatCannotBeAWordFileWithAReason) {
    TempFolder folder;
    EXPECT_EQ(reasonFor((folder.path() / "missing.scf").string()), "it does not exist");
    EXPECT_EQ(reasonFor(""), "it does not exist");
    EXPECT_EQ(reasonFor(folder.path().string()), "it is a folder, not a file");
    EXPECT_EQ(reasonFor("/dev/null"), "it is not a regular file");

    const std::string loop = (folder.path() / "loop").string();
    std::filesystem::create_symlink(loop, loop);
    EXPECT_EQ(reasonFor(loop), "it cannot be opened: Too many levels of symbolic links");
}

TEST(ReadingWordFileBytes, refusesAPipeWithNoWriterWithoutWaiting) {
    TempFolder folder;
    const std::string pipe = (folder.path() / "pipe").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(reasonFor(pipe), "it is not a regular file");
}

TEST(ReadingWordFileBytes, refusesASocket) {
    TempFolder folder;
    const std::string path = (folder.path() / "socket").string();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(reasonFor(path), "it is not a regular file");
    ::close(fd);
}

TEST(ReadingWordFileBytes, refusesAFileTooLargeForAWordList) {
    TempFolder folder;
    const std::string path = folder.write("huge.scf", "Animals\n");
    std::filesystem::resize_file(path, kLargestWordFile + 1);  // sparse: nothing is written
    EXPECT_EQ(reasonFor(path), "it is larger than 256 MiB");
}

}  // namespace
