#include "WordFile.h"

#include "FormatError.h"
#include "InputError.h"
#include "WordFileError.h"
#include "WordFileInput.h"

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

WordFile WordFile::refused(std::string name, InputError why) {
    WordFile file = ofBytes(std::move(name), {});
    file.refusal_ = std::move(why);
    return file;
}

WordList WordFile::read() const {
    const std::string shown = bytes_ ? name_ : shownWordFilePath(name_);
    try {
        if (refusal_) {
            throw *refusal_;
        }
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
