#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "InputError.h"
#include "ReadInBlocks.h"
#include "WordFileInput.h"

namespace {

class OpenFile {
public:
    explicit OpenFile(int fd) : fd_(fd) {}
    ~OpenFile() { ::close(fd_); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

private:
    int fd_;
};

[[noreturn]] void refuse(InputRefusal refusal) {
    throw InputError(refusal, std::strerror(errno));
}

}  // namespace

std::string readWordFileBytes(const std::string& path,
                              const std::function<void(std::string_view)>& arrived) {
    // Non-blocking, so that a pipe with no writer or a device is refused instead of waited on.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) {
            throw InputError(InputRefusal::DoesNotExist);
        }
        if (errno == ENXIO) {  // a socket
            throw InputError(InputRefusal::NotARegularFile);
        }
        refuse(InputRefusal::CannotOpen);
    }
    const OpenFile file(fd);

    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        refuse(InputRefusal::CannotExamine);
    }
    if (S_ISDIR(info.st_mode)) {
        throw InputError(InputRefusal::IsAFolder);
    }
    if (!S_ISREG(info.st_mode)) {
        throw InputError(InputRefusal::NotARegularFile);
    }
    const auto readSome = [fd](char* buffer, std::size_t capacity) {
        for (;;) {
            const ssize_t got = ::read(fd, buffer, capacity);
            if (got >= 0) {
                return static_cast<std::size_t>(got);
            }
            if (errno != EINTR) {
                refuse(InputRefusal::CannotRead);
            }
        }
    };
    return readInBlocks(static_cast<std::size_t>(info.st_size), readSome, arrived);
}
