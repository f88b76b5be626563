#include "WordFileError.h"

#include <array>
#include <cstring>
#include <filesystem>

namespace {

std::string ordinal(std::size_t number) {
    static constexpr std::array<const char*, 10> kWords = {"first", "second", "third",   "fourth",
                                                           "fifth", "sixth",  "seventh", "eighth",
                                                           "ninth", "tenth"};
    if (number >= 1 && number <= kWords.size()) {
        return kWords[number - 1];
    }
    const bool teen = number % 100 >= 11 && number % 100 <= 13;
    static constexpr std::array<const char*, 4> kEndings = {"th", "st", "nd", "rd"};
    const std::size_t last = number % 10;
    return std::to_string(number) + kEndings[!teen && last <= 3 ? last : 0];
}

std::string systemReason(const char* doing, std::size_t error) {
    return std::string(doing) + ": " + std::strerror(static_cast<int>(error));
}

// The player should see which folder a relative path was looked for in.
std::string shownPath(const std::string& path) {
    std::error_code failed;
    const std::filesystem::path absolute = std::filesystem::absolute(path, failed);
    return failed || path.empty() ? path : absolute.string();
}

std::string reasonText(Refusal refusal, std::size_t detail) {
    switch (refusal) {
        case Refusal::DoesNotExist:
            return "it does not exist";
        case Refusal::IsAFolder:
            return "it is a folder, not a file";
        case Refusal::NotARegularFile:
            return "it is not a regular file";
        case Refusal::TooLarge:
            return "it is larger than 256 MiB";
        case Refusal::CannotOpen:
            return systemReason("it cannot be opened", detail);
        case Refusal::CannotExamine:
            return systemReason("it cannot be examined", detail);
        case Refusal::CannotRead:
            return systemReason("it cannot be read", detail);
        case Refusal::Empty:
            return "it is empty";
        case Refusal::NotText:
            return "it is not a text file";
        case Refusal::QuoteNeverClosed:
            return "a quote opened in its " + ordinal(detail) + " field is never closed";
        case Refusal::NoWord:
            return "it holds a category but no word";
    }
    return "it cannot be used";
}

}  // namespace

WordFileError::WordFileError(std::string path, Refusal refusal, std::size_t detail)
    : std::runtime_error("The word file " + shownPath(path) +
                         " cannot be used: " + reasonText(refusal, detail) + "."),
      path_(std::move(path)),
      refusal_(refusal),
      detail_(detail) {}

std::string WordFileError::reason() const {
    return reasonText(refusal_, detail_);
}
