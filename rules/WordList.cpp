#include "WordList.h"

#include <algorithm>
#include <stdexcept>

#include "FieldReader.h"
#include "WordFileError.h"
#include "WordFileInput.h"

namespace {

// Calls each(word) for the words in turn while it returns true; for any text, quotes and
// blanks included.
template <typename EachWord>
void forEachWord(std::string_view words, EachWord each) {
    FieldReader fields(words);
    while (!fields.atEnd()) {
        const std::string_view field = fields.next();
        if (!field.empty() && !each(field)) {
            return;
        }
    }
}

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

WordList::WordList(std::string text) : text_(std::move(text)) {
    if (text_.empty()) {
        return;
    }
    FieldReader fields(text_);
    const std::string_view category = fields.next();
    categoryBegin_ = static_cast<std::size_t>(category.data() - text_.data());
    categoryLength_ = category.size();
    wordsBegin_ = text_.size() - fields.rest().size();
}

void WordList::check(const std::string& path) const {
    if (text_.empty()) {
        throw WordFileError(path, "it is empty");
    }
    if (count_ == 0) {
        throw WordFileError(path, "it holds a category but no word");
    }
}

WordList WordList::fromText(std::string text, const std::string& path) {
    WordList list(std::move(text));
    list.plain_ = PlainWords::count(list.words());
    if (list.plain_) {
        list.count_ = list.plain_->count();
    } else {
        forEachWord(list.words(), [&list](std::string_view) {
            ++list.count_;
            return true;
        });
    }
    list.check(path);
    return list;
}

WordList WordList::fromBytes(std::string bytes, const std::string& path) {
    // Plain ASCII, the usual word file, is UTF-8 as it stands, and counting its words finds
    // that out on the way: such a file is read in one pass, with no decoding.
    WordList list(std::move(bytes));
    list.plain_ = PlainWords::count(list.words());
    if (list.plain_ && list.plain_->ascii() &&
        isAscii(std::string_view(list.text_).substr(0, list.wordsBegin_))) {
        list.count_ = list.plain_->count();
        list.check(path);
        return list;
    }
    return fromText(wordFileText(std::move(list.text_)), path);
}

std::string_view WordList::word(std::size_t number) const {
    if (number < 1 || number > count_) {
        throw std::out_of_range("word " + std::to_string(number) + " of " + std::to_string(count_));
    }
    if (plain_) {
        return plain_->word(words(), number);
    }
    std::size_t before = number - 1;
    std::string_view found;
    forEachWord(words(), [&](std::string_view word) {
        found = word;
        return before-- != 0;
    });
    return found;
}

WordList readWordList(const std::string& path) {
    return WordList::fromBytes(readWordFileBytes(path), path);
}
