#include "FormatError.h"

#include <array>
#include <string>

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

std::string reasonText(FormatRefusal refusal, std::size_t field) {
    switch (refusal) {
        case FormatRefusal::Empty:
            return "it is empty";
        case FormatRefusal::NotText:
            return "it is not a text file";
        case FormatRefusal::QuoteNeverClosed:
            return "a quote opened in its " + ordinal(field) + " field is never closed";
        case FormatRefusal::NoWord:
            return "it holds a category but no word";
        case FormatRefusal::NoCapitalWord:
            return "it holds no word written in the capitals A to Z";
    }
    return "it cannot be used";
}

}  // namespace

FormatError::FormatError(FormatRefusal refusal, std::size_t field)
    : std::runtime_error(reasonText(refusal, field)) {}
