#pragma once

#include <cstddef>
#include <string_view>

// Reads a word file's text field by field. A field ends at a comma or a line end (CR LF,
// LF or a lone CR), which the read consumes too. Spaces and tabs around an unquoted field
// are dropped. A field that begins with a double quote runs to the next double quote and
// may hold commas and line ends; whatever follows its closing quote up to the next comma
// or line end is dropped, and a quote never closed runs to the end of the text.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    bool atEnd() const { return position_ == text_.size(); }
    // What is still to be read.
    std::string_view rest() const { return text_.substr(position_); }

    // The next field, a view into the text. Throws std::out_of_range at the end.
    std::string_view next();
    // Whether the field last read opened a quote that the text never closes.
    bool quoteLeftOpen() const { return quoteLeftOpen_; }

private:
    void skipBlanks();
    void consumeDelimiter();

    std::string_view text_;
    std::size_t position_ = 0;
    bool quoteLeftOpen_ = false;
};
