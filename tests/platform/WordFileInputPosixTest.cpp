#include "WordFileInput.h"

#include <fcntl.h>
#include <sys/fsuid.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "ReasonFor.h"
#include "TempFolder.h"

namespace {

TEST(ReadingWordFileBytes, readsPastTheSizeTheFileClaims) {
    // Files under /proc claim a size of 0 and still have content.
    EXPECT_TRUE(readWordFileBytes("/proc/self/status").starts_with("Name:"));
}

TEST(ReadingWordFileBytes, refusesDevicesAndLinksThatLeadNowhere) {
    TempFolder folder;
    EXPECT_EQ(reasonFor("/dev/null"), "it is not a regular file");
    EXPECT_EQ(reasonFor("/dev/zero"), "it is not a regular file");  // never read: it has no end

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

TEST(ReadingWordFileBytes, refusesAFileItMayNotReadInTheSystemsWords) {
    TempFolder folder;
    const std::string path = folder.write("secret.scf", "Birds\nWREN\n");
    std::filesystem::permissions(path, std::filesystem::perms::none);
    // Root reads anything; as nobody, for file access alone, it cannot.
    const bool root = ::geteuid() == 0;
    if (root) {
        ::setfsuid(65534);
    }
    const int probe = ::open(path.c_str(), O_RDONLY);
    std::string reason = probe >= 0 ? "" : reasonFor(path);
    if (probe >= 0) {
        ::close(probe);
    }
    if (root) {
        ::setfsuid(0);
    }
    if (reason.empty()) {
        GTEST_SKIP() << "this process can read a file without read permission";
    }
    EXPECT_EQ(reason, "it cannot be opened: Permission denied");
}

}  // namespace
