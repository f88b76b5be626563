#include "WordList.h"

#include <algorithm>
#include <stdexcept>

#include "Encoding.h"
#include "FieldReader.h"
#include "FormatError.h"

WordList::WordList(std::string text) : text_(std::make_shared<std::string>(std::move(text))) {
    if (text_->empty()) {
        return;
    }
    FieldReader fields(*text_);
    const std::string_view category = fields.next();
    categoryBegin_ = static_cast<std::size_t>(category.data() - text_->data());
    categoryLength_ = category.size();
    wordsBegin_ = text_->size() - fields.rest().size();
    if (fields.quoteLeftOpen()) {
        openQuoteField_ = 1;
    }
}

bool WordList::takePlainWords(PlainWords plain) {
    if (!plain.settle(text(), wordsBegin_)) {
        return false;
    }
    count_ = plain.count();
    plain_ = std::move(plain);
    return true;
}

void WordList::countFields() {
    FieldReader fields(words());
    std::size_t field = 1;  // the category
    while (!fields.atEnd()) {
        ++field;
        count_ += fields.next().empty() ? 0 : 1;
    }
    if (fields.quoteLeftOpen()) {
        openQuoteField_ = field;
    }
}

void WordList::check() const {
    if (text().empty()) {
        throw FormatError(FormatRefusal::Empty);
    }
    if (count_ == 0 && openQuoteField_ != 0) {
        throw FormatError(FormatRefusal::QuoteNeverClosed, openQuoteField_);
    }
    if (count_ == 0) {
        throw FormatError(FormatRefusal::NoWord);
    }
    if (!hasCapitalWord()) {
        throw FormatError(FormatRefusal::NoCapitalWord);
    }
}

bool WordList::hasCapitalWord() const {
    // The guesses are the capitals A to Z, compared exactly: a round can be won only on a word
    // made of them alone. In a usual file the first word is one.
    FieldReader fields(words());
    while (!fields.atEnd()) {
        const std::string_view field = fields.next();
        if (!field.empty() &&
            std::all_of(field.begin(), field.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) {
            return true;
        }
    }
    return false;
}

WordList WordList::fromText(std::string text) {
    WordList list(std::move(text));
    if (!list.takePlainWords(PlainWords())) {
        list.countFields();
    }
    list.check();
    return list;
}

WordList WordList::fromBytes(std::string bytes, PlainWords plain) {
    // Plain ASCII, the usual word file, is its own text, and counting its words finds that
    // out on the way: such a file is read in one pass, and never decoded.
    WordList list(std::move(bytes));
    if (list.takePlainWords(std::move(plain)) && list.plain_->ascii() &&
        isOwnText(list.text().substr(0, list.wordsBegin_))) {
        list.check();
        return list;
    }
    std::optional<std::string> decoded = wordFileText(std::move(*list.text_));
    if (!decoded) {
        throw FormatError(FormatRefusal::NotText);
    }
    return fromText(std::move(*decoded));
}

std::string_view WordList::word(std::size_t number) const {
    if (number < 1 || number > count_) {
        throw std::out_of_range("word " + std::to_string(number) + " of " + std::to_string(count_));
    }
    if (plain_) {
        return plain_->word(text(), number);
    }
    std::size_t before = number - 1;
    FieldReader fields(words());
    for (;;) {
        const std::string_view field = fields.next();
        if (!field.empty() && before-- == 0) {
            return field;
        }
    }
}
