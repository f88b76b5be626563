#include "WordFileInput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "Utf8.h"
#include "WordFileError.h"

namespace {

class OpenFile {
public:
    explicit OpenFile(int fd) : fd_(fd) {}
    ~OpenFile() { ::close(fd_); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

std::string systemReason(const char* doing, int error) {
    return std::string(doing) + ": " + std::strerror(error);
}

}  // namespace

std::string readWordFileBytes(const std::string& path) {
    // Non-blocking, so that a pipe with no writer or a device is refused instead of waited on.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) {
            throw WordFileError(path, kDoesNotExist);
        }
        if (errno == ENXIO) {  // a socket
            throw WordFileError(path, "it is not a regular file");
        }
        throw WordFileError(path, systemReason("it cannot be opened", errno));
    }
    const OpenFile file(fd);

    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        throw WordFileError(path, systemReason("it cannot be examined", errno));
    }
    if (S_ISDIR(info.st_mode)) {
        throw WordFileError(path, "it is a folder, not a file");
    }
    if (!S_ISREG(info.st_mode)) {
        throw WordFileError(path, "it is not a regular file");
    }
    if (static_cast<std::size_t>(info.st_size) > kLargestWordFile) {
        throw WordFileError(path, "it is larger than 256 MiB");
    }

    // The size is a hint: the file may shrink or grow while it is read.
    std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t filled = 0;
    char more[65536];
    for (;;) {
        const bool full = filled == bytes.size();
        const ssize_t got = full ? ::read(fd, more, sizeof more)
                                 : ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw WordFileError(path, systemReason("it cannot be read", errno));
        }
        if (got == 0) {
            break;
        }
        if (full) {
            if (filled + static_cast<std::size_t>(got) > kLargestWordFile) {
                throw WordFileError(path, "it is larger than 256 MiB");
            }
            bytes.append(more, static_cast<std::size_t>(got));
        }
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return bytes;
}

std::string wordFileText(std::string bytes) {
    std::string text = isValidUtf8(bytes) ? std::move(bytes) : latin1ToUtf8(bytes);
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.erase(0, 3);
    }
    return text;
}
