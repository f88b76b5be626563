#include "WordList.h"

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

}  // namespace

WordList WordList::fromText(std::string text, const std::string& path) {
    if (text.empty()) {
        throw WordFileError(path, "it is empty");
    }
    WordList list;
    list.text_ = std::move(text);
    FieldReader fields(list.text_);
    const std::string_view category = fields.next();
    list.categoryBegin_ = static_cast<std::size_t>(category.data() - list.text_.data());
    list.categoryLength_ = category.size();
    list.wordsBegin_ = list.text_.size() - fields.rest().size();

    list.plain_ = PlainWords::count(list.words());
    if (list.plain_) {
        list.count_ = list.plain_->count();
    } else {
        forEachWord(list.words(), [&list](std::string_view) {
            ++list.count_;
            return true;
        });
    }
    if (list.count_ == 0) {
        throw WordFileError(path, "it holds a category but no word");
    }
    return list;
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
    return WordList::fromText(wordFileText(readWordFileBytes(path)), path);
}
