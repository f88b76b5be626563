#include "PlainWords.h"

#include <algorithm>
#include <utility>

#include "Delimiters.h"
#include "Lanes.h"

namespace {

constexpr std::size_t kBlock = std::size_t{64} * 1024;

// A quote, a blank, or another character below the comma that is no line end: words with any
// of them take the slower way that knows quotes and blanks, which is as right for the others.
bool isSpecial(char c) {
    return c < ',' && !isDelimiter(c);
}

void markDelimiters(Lanes& marks, const Lanes& c) {
    marks = Lanes{};
    for (const char delimiter : kDelimiters) {
        marks |= Lanes(c == static_cast<unsigned char>(delimiter));
    }
}

// Every lane of now moved up by one, the first filled from the last lane of last: for each
// character, the one just before it.
template <std::size_t... Lane>
void shiftIn(Lanes& out, const Lanes& last, const Lanes& now,
             std::index_sequence<Lane...> /*lanes*/) {
    out = __builtin_shufflevector(last, now, (Lane + kLanes - 1)...);
}

struct Scan {
    std::size_t starts = 0;
    bool special = false;
    bool ascii = true;
};

// Word starts in text[begin, end): characters that are no delimiter after one that is, or at
// the start of the text; and whether a special character or one past ASCII stands there.
CLONED_FOR_AVX2 Scan scan(std::string_view text, std::size_t begin, std::size_t end) {
    Scan result;
    const char* const p = text.data();
    std::size_t i = begin;
    const auto take = [&](std::size_t at) {
        result.starts += !isDelimiter(p[at]) && (at == 0 || isDelimiter(p[at - 1])) ? 1 : 0;
        result.special |= isSpecial(p[at]);
        result.ascii &= static_cast<unsigned char>(p[at]) < 0x80;
    };
    if (i == 0 && i < end) {
        take(i++);
    }
    // The delimiters of the characters before the vector; only the last one is asked.
    Lanes lastDelimiters{};
    if (i < end) {
        lastDelimiters[kLanes - 1] = isDelimiter(p[i - 1]) ? 0xFF : 0;
    }
    while (i + kLanes <= end) {
        // Counted in bytes, so added up before any lane can overflow.
        Lanes starts{};
        Lanes special{};
        Lanes high{};
        for (int round = 0; round < 255 && i + kLanes <= end; ++round, i += kLanes) {
            Lanes c;
            load(c, p + i);
            Lanes delimiter;
            markDelimiters(delimiter, c);
            Lanes delimiterBefore;
            shiftIn(delimiterBefore, lastDelimiters, delimiter, std::make_index_sequence<kLanes>());
            starts -= delimiterBefore & ~delimiter;
            special |= Lanes(c < ',') & ~delimiter;
            high |= c;
            lastDelimiters = delimiter;
        }
        for (std::size_t lane = 0; lane < kLanes; ++lane) {
            result.starts += starts[lane];
            result.special |= special[lane] != 0;
            result.ascii &= high[lane] < 0x80;
        }
    }
    for (; i < end; ++i) {
        take(i);
    }
    return result;
}

}  // namespace

void PlainWords::countBlock(std::string_view text) {
    const std::size_t begin = startsBeforeBlock_.size() * kBlock;
    startsBeforeBlock_.push_back(starts_);
    const Scan block = scan(text, begin, std::min(begin + kBlock, text.size()));
    starts_ += block.starts;
    ascii_ &= block.ascii;
    if (block.special) {
        specialBlocks_ = startsBeforeBlock_.size();
    }
}

void PlainWords::countArrived(std::string_view text) {
    while (ascii_ && (startsBeforeBlock_.size() + 1) * kBlock <= text.size()) {
        countBlock(text);
    }
}

bool PlainWords::settle(std::string_view text, std::size_t wordsBegin) {
    if (!ascii_) {
        return false;
    }
    while (startsBeforeBlock_.size() * kBlock < text.size()) {
        countBlock(text);
    }
    if (wordsBegin == text.size()) {
        count_ = 0;
        return true;
    }
    // The category, and whatever may stand in it, is left out.
    const std::size_t block = wordsBegin / kBlock;
    const std::size_t blockEnd = std::min((block + 1) * kBlock, text.size());
    if (specialBlocks_ > block + 1 || scan(text, wordsBegin, blockEnd).special) {
        return false;
    }
    startsBeforeWords_ = startsBeforeBlock_[block] + scan(text, block * kBlock, wordsBegin).starts;
    count_ = starts_ - startsBeforeWords_;
    return true;
}

std::string_view PlainWords::word(std::string_view text, std::size_t number) const {
    const std::size_t start = startsBeforeWords_ + number;
    const auto after =
        std::upper_bound(startsBeforeBlock_.begin(), startsBeforeBlock_.end(), start - 1);
    const auto block = static_cast<std::size_t>(after - startsBeforeBlock_.begin()) - 1;
    std::size_t before = start - 1 - startsBeforeBlock_[block];
    std::size_t at = block * kBlock;
    bool afterDelimiter = at == 0 || isDelimiter(text[at - 1]);
    for (;; ++at) {
        if (afterDelimiter && !isDelimiter(text[at])) {
            if (before == 0) {
                const std::size_t end = std::min(text.find_first_of(kDelimiters, at), text.size());
                return text.substr(at, end - at);
            }
            --before;
        }
        afterDelimiter = isDelimiter(text[at]);
    }
}
