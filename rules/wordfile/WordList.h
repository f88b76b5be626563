#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "PlainWords.h"

// A word file as the game uses it: its category and its words, numbered from 1. Nothing
// but the file's own text is kept: a round needs the number of words and one of them, so
// the list counts its words once and finds the one picked when it is asked for. The text is
// shared by every copy and never changes, so that a word taken from a list stays valid as
// long as the list, or any copy of it, does: a round needs no second copy of a huge word.
// Empty fields, from blank lines or ",,", are no words: one could never be won. A file none of
// whose words is made of the capitals A to Z alone is refused: no round of it could be won.
class WordList {
public:
    WordList() = default;

    // Takes a word file's UTF-8 text. Text that cannot give a round throws FormatError.
    static WordList fromText(std::string text);
    // Takes a word file's bytes, in any encoding the game reads, whose plain words were
    // counted as far as they had arrived. Throws FormatError.
    static WordList fromBytes(std::string bytes, PlainWords plain = {});

    std::string_view category() const { return text().substr(categoryBegin_, categoryLength_); }
    std::size_t count() const { return count_; }
    // Throws std::out_of_range for a number outside 1 to count.
    std::string_view word(std::size_t number) const;

private:
    // Finds the category and where the words begin.
    explicit WordList(std::string text);
    bool takePlainWords(PlainWords plain);
    void countFields();
    void check() const;
    bool hasCapitalWord() const;

    std::string_view text() const { return text_ ? std::string_view(*text_) : std::string_view(); }
    std::string_view words() const { return text().substr(wordsBegin_); }

    // Changed only while one list alone holds it, as it is read.
    std::shared_ptr<std::string> text_;
    std::size_t categoryBegin_ = 0;
    std::size_t categoryLength_ = 0;
    std::size_t wordsBegin_ = 0;
    std::size_t count_ = 0;
    // The number of the field where a quote opens that is never closed; 0 for none.
    std::size_t openQuoteField_ = 0;
    std::optional<PlainWords> plain_;
};
