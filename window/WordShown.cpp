#include "WordShown.h"

#include "RoundTexts.h"
#include "Utf8.h"

namespace {

std::string startAndLength(std::string_view start, std::size_t letters) {
    return std::string(start) + "\u2026 (" + std::to_string(letters) + " letters)";
}

}  // namespace

std::string label1Text(std::string_view slots) {
    if (slots.size() <= kMostLettersShown) {
        return maskedWordText(slots);
    }
    return maskedWordText(slots.substr((slots.size() - kMostLettersShown) / 2, kMostLettersShown));
}

std::string maskedWordNews(std::string_view slots) {
    std::string spoken;
    for (const char& slot : slots.substr(0, kMostLettersShown)) {
        spoken += spoken.empty() ? "" : ", ";
        spoken += slot == '_' ? std::string_view("blank") : std::string_view(&slot, 1);
    }
    return slots.size() <= kMostLettersShown ? spoken : startAndLength(spoken, slots.size());
}

std::string secretWordShown(std::string_view secretWord) {
    std::size_t letters = 0;
    std::size_t startBytes = 0;
    for (std::size_t i = 0; i < secretWord.size(); ++i) {
        if (beginsCharacter(secretWord[i]) && ++letters == kMostLettersShown + 1) {
            startBytes = i;
        }
    }
    if (letters <= kMostLettersShown) {
        return std::string(secretWord);
    }
    return startAndLength(secretWord.substr(0, startBytes), letters);
}
