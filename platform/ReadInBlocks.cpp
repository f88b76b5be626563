#include "ReadInBlocks.h"

#include <algorithm>

#include "InputError.h"
#include "WordFileInput.h"

namespace {

// Small enough to be still in cache when whoever looks at the bytes gets them.
constexpr std::size_t kReadBlock = std::size_t{512} * 1024;

}  // namespace

std::string readInBlocks(std::size_t claimedSize, const ReadSome& readSome,
                         const std::function<void(std::string_view)>& arrived) {
    if (claimedSize > kLargestWordFile) {
        throw InputError(InputRefusal::TooLarge);
    }
    std::string bytes(claimedSize, '\0');
    std::size_t filled = 0;
    char more[65536];
    for (;;) {
        const bool full = filled == bytes.size();
        const std::size_t got =
            full ? readSome(more, sizeof more)
                 : readSome(bytes.data() + filled, std::min(bytes.size() - filled, kReadBlock));
        if (got == 0) {
            break;
        }
        if (full) {
            if (filled + got > kLargestWordFile) {
                throw InputError(InputRefusal::TooLarge);
            }
            bytes.append(more, got);
        }
        filled += got;
        if (arrived) {
            arrived(std::string_view(bytes).substr(0, filled));
        }
    }
    bytes.resize(filled);
    return bytes;
}
