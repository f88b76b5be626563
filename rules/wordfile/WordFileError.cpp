#include "WordFileError.h"

#include <filesystem>

namespace {

// The player should see which folder a relative path was looked for in. Paths are UTF-8.
std::string shownPath(const std::string& path) {
    if (path.empty()) {
        return path;
    }
    std::error_code failed;
    const std::filesystem::path absolute =
        std::filesystem::absolute(std::u8string(path.begin(), path.end()), failed);
    if (failed) {
        return path;
    }
    const std::u8string shown = absolute.u8string();
    return {shown.begin(), shown.end()};
}

}  // namespace

WordFileError::WordFileError(std::string path, const std::string& reason, bool missing)
    : std::runtime_error("The word file " + shownPath(path) + " cannot be used: " + reason + "."),
      path_(std::move(path)),
      missing_(missing) {}
