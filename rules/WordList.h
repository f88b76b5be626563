#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A word file as the game uses it: its category and its words, numbered from 1. The words
// stay in the file's own text; the list only knows where each one lies.
class WordList {
  public:
    WordList() = default;

    // Takes a word file's UTF-8 text. A file that cannot give a round throws WordFileError
    // naming path.
    static WordList fromText(std::string text, const std::string& path);

    std::string_view category() const { return view(category_); }
    std::size_t count() const { return words_.size(); }
    std::string_view word(std::size_t number) const { return view(words_.at(number - 1)); }

  private:
    struct Span {
        std::uint32_t begin;
        std::uint32_t length;
    };
    std::string_view view(Span span) const {
        return std::string_view(text_).substr(span.begin, span.length);
    }

    std::string text_;
    Span category_{0, 0};
    std::vector<Span> words_;
};

// Reads, decodes and checks the word file at path. Throws WordFileError.
WordList readWordList(const std::string& path);
