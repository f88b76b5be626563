#include "FieldReader.h"

#include <algorithm>
#include <stdexcept>

#include "Delimiters.h"

std::string_view FieldReader::next() {
    if (atEnd()) {
        throw std::out_of_range("a field was read past the end of the word file");
    }
    skipBlanks();
    std::string_view field;
    if (position_ < text_.size() && text_[position_] == '"') {
        const std::size_t open = position_ + 1;
        const std::size_t close = text_.find('"', open);
        if (close == std::string_view::npos) {
            field = text_.substr(open);
            position_ = text_.size();
            quoteLeftOpen_ = true;
            return field;
        }
        field = text_.substr(open, close - open);
        position_ = std::min(text_.find_first_of(kDelimiters, close + 1), text_.size());
    } else {
        const std::size_t end = std::min(text_.find_first_of(kDelimiters, position_), text_.size());
        field = text_.substr(position_, end - position_);
        field = field.substr(0, field.find_last_not_of(kBlanks) + 1);
        position_ = end;
    }
    consumeDelimiter();
    return field;
}

void FieldReader::skipBlanks() {
    position_ = std::min(text_.find_first_not_of(kBlanks, position_), text_.size());
}

void FieldReader::consumeDelimiter() {
    if (atEnd()) {
        return;
    }
    const char delimiter = text_[position_++];
    if (delimiter == '\r' && !atEnd() && text_[position_] == '\n') {
        ++position_;
    }
}
