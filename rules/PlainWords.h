#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

// The words of a word file's text that holds no quote and no blank: each word is a run of
// characters between commas and line ends. Such a text is counted at memory speed, and
// a word is found by its number without reading the text again.
class PlainWords {
public:
    // Nothing when the text holds a quote, a blank or another character below the comma
    // other than a line end. The text begins just after a delimiter.
    static std::optional<PlainWords> count(std::string_view text);

    std::size_t count() const { return count_; }
    // Whether every character is ASCII, found on the way.
    bool ascii() const { return ascii_; }
    // The word with this number, 1 to count, in the text that was counted.
    std::string_view word(std::string_view text, std::size_t number) const;

private:
    std::size_t count_ = 0;
    bool ascii_ = true;
    // How many words begin before each block of the text.
    std::vector<std::size_t> startsBeforeBlock_;
};
