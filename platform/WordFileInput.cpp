#include "WordFileInput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

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

// Small enough to be still in cache when whoever looks at the bytes gets them.
constexpr std::size_t kReadBlock = std::size_t{512} * 1024;

}  // namespace

std::string readWordFileBytes(const std::string& path,
                              const std::function<void(std::string_view)>& arrived) {
    // Non-blocking, so that a pipe with no writer or a device is refused instead of waited on.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) {
            throw WordFileError(path, Refusal::DoesNotExist);
        }
        if (errno == ENXIO) {  // a socket
            throw WordFileError(path, Refusal::NotARegularFile);
        }
        throw WordFileError(path, Refusal::CannotOpen, static_cast<std::size_t>(errno));
    }
    const OpenFile file(fd);

    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        throw WordFileError(path, Refusal::CannotExamine, static_cast<std::size_t>(errno));
    }
    if (S_ISDIR(info.st_mode)) {
        throw WordFileError(path, Refusal::IsAFolder);
    }
    if (!S_ISREG(info.st_mode)) {
        throw WordFileError(path, Refusal::NotARegularFile);
    }
    if (static_cast<std::size_t>(info.st_size) > kLargestWordFile) {
        throw WordFileError(path, Refusal::TooLarge);
    }

    // The size is a hint: the file may shrink or grow while it is read.
    std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t filled = 0;
    char more[65536];
    for (;;) {
        const bool full = filled == bytes.size();
        const ssize_t got =
            full ? ::read(fd, more, sizeof more)
                 : ::read(fd, bytes.data() + filled, std::min(bytes.size() - filled, kReadBlock));
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw WordFileError(path, Refusal::CannotRead, static_cast<std::size_t>(errno));
        }
        if (got == 0) {
            break;
        }
        if (full) {
            if (filled + static_cast<std::size_t>(got) > kLargestWordFile) {
                throw WordFileError(path, Refusal::TooLarge);
            }
            bytes.append(more, static_cast<std::size_t>(got));
        }
        filled += static_cast<std::size_t>(got);
        if (arrived) {
            arrived(std::string_view(bytes).substr(0, filled));
        }
    }
    bytes.resize(filled);
    return bytes;
}
