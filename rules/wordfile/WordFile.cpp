#include "WordFile.h"

#include <filesystem>

#include "FormatError.h"
#include "InputError.h"
#include "WordFileError.h"
#include "WordFileInput.h"

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

WordFile WordFile::atPath(std::string path) {
    WordFile file;
    file.name_ = std::move(path);
    return file;
}

WordFile WordFile::ofBytes(std::string name, std::string bytes) {
    WordFile file;
    file.name_ = std::move(name);
    file.bytes_ = std::make_shared<const std::string>(std::move(bytes));
    return file;
}

WordList WordFile::read() const {
    const std::string shown = bytes_ ? name_ : shownPath(name_);
    try {
        if (bytes_) {
            return WordList::fromBytes(*bytes_);
        }
        PlainWords plain;
        std::string bytes = readWordFileBytes(
            name_, [&plain](std::string_view soFar) { plain.countArrived(soFar); });
        return WordList::fromBytes(std::move(bytes), std::move(plain));
    } catch (const InputError& error) {
        throw WordFileError(name_, shown, error.what(),
                            error.refusal() == InputRefusal::DoesNotExist);
    } catch (const FormatError& error) {
        throw WordFileError(name_, shown, error.what(), false);
    }
}
