#include <filesystem>

#include "WordFileInput.h"

std::string shownWordFilePath(const std::string& path) {
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
