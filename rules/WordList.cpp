#include "WordList.h"

#include "FieldReader.h"
#include "WordFileError.h"
#include "WordFileInput.h"

WordList WordList::fromText(std::string text, const std::string& path) {
    if (text.empty()) {
        throw WordFileError(path, "it is empty");
    }
    WordList list;
    list.text_ = std::move(text);
    const std::string_view all = list.text_;
    const auto spanOf = [all](std::string_view field) {
        return Span{static_cast<std::uint32_t>(field.data() - all.data()),
                    static_cast<std::uint32_t>(field.size())};
    };

    FieldReader fields(all);
    list.category_ = spanOf(fields.next());
    while (!fields.atEnd()) {
        // An empty field, from a blank line or ",,", is no word: picking one could never be won.
        const std::string_view field = fields.next();
        if (!field.empty()) {
            list.words_.push_back(spanOf(field));
        }
    }
    if (list.words_.empty()) {
        throw WordFileError(path, "it holds a category but no word");
    }
    return list;
}

WordList readWordList(const std::string& path) {
    return WordList::fromText(wordFileText(readWordFileBytes(path)), path);
}
