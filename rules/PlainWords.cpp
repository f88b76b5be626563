#include "PlainWords.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kBlock = std::size_t{64} * 1024;

bool isDelimiter(char c) {
    return c == ',' || c == '\n' || c == '\r';
}

// Sixteen characters at once; a comparison gives 0xFF in every lane where it holds.
using Lanes = unsigned char __attribute__((vector_size(16)));
constexpr std::size_t kLanes = sizeof(Lanes);

Lanes load(const char* p) {
    Lanes lanes;
    std::memcpy(&lanes, p, kLanes);
    return lanes;
}

Lanes delimiters(Lanes c) {
    return Lanes((c == ',') | (c == '\n') | (c == '\r'));
}

// A quote, a blank, or some other character below the comma that is no line end: a text
// with any of them takes the slower path that knows quotes and blanks, which is as right
// for the others, so one comparison is enough.
bool isSpecial(char c) {
    return c < ',' && c != '\n' && c != '\r';
}

struct Scan {
    std::size_t starts = 0;
    bool special = false;
    bool ascii = true;
};

// Word starts in text[begin, end): characters that are no delimiter after one that is (or
// after the start of the text), and whether a special character stands there.
Scan scan(std::string_view text, std::size_t begin, std::size_t end) {
    Scan result;
    const char* const p = text.data();
    std::size_t i = begin;
    if (i == 0 && i < end) {
        result.starts += !isDelimiter(p[0]);
        result.special |= isSpecial(p[0]);
        result.ascii &= static_cast<unsigned char>(p[0]) < 0x80;
        ++i;
    }
    while (i + kLanes <= end) {
        // Counted in bytes, so flushed before any lane can overflow.
        Lanes starts{};
        Lanes special{};
        Lanes high{};
        for (int round = 0; round < 255 && i + kLanes <= end; ++round, i += kLanes) {
            const Lanes c = load(p + i);
            const Lanes delimiter = delimiters(c);
            starts -= Lanes(delimiters(load(p + i - 1)) & ~delimiter);
            special |= Lanes((c < ',') & (c != '\n') & (c != '\r'));
            high |= c;
        }
        for (std::size_t lane = 0; lane < kLanes; ++lane) {
            result.starts += starts[lane];
            result.special |= special[lane] != 0;
            result.ascii &= high[lane] < 0x80;
        }
    }
    for (; i < end; ++i) {
        result.starts += !isDelimiter(p[i]) && isDelimiter(p[i - 1]);
        result.special |= isSpecial(p[i]);
        result.ascii &= static_cast<unsigned char>(p[i]) < 0x80;
    }
    return result;
}

}  // namespace

std::optional<PlainWords> PlainWords::count(std::string_view text) {
    PlainWords words;
    words.startsBeforeBlock_.reserve(text.size() / kBlock + 1);
    for (std::size_t begin = 0; begin < text.size(); begin += kBlock) {
        words.startsBeforeBlock_.push_back(words.count_);
        const Scan block = scan(text, begin, std::min(begin + kBlock, text.size()));
        if (block.special) {
            return std::nullopt;
        }
        words.count_ += block.starts;
        words.ascii_ &= block.ascii;
    }
    return words;
}

std::string_view PlainWords::word(std::string_view text, std::size_t number) const {
    const auto after =
        std::upper_bound(startsBeforeBlock_.begin(), startsBeforeBlock_.end(), number - 1);
    const auto block = static_cast<std::size_t>(after - startsBeforeBlock_.begin()) - 1;
    std::size_t before = number - 1 - startsBeforeBlock_[block];
    std::size_t at = block * kBlock;
    bool afterDelimiter = at == 0 || isDelimiter(text[at - 1]);
    for (;; ++at) {
        if (afterDelimiter && !isDelimiter(text[at])) {
            if (before == 0) {
                const std::size_t end = std::min(text.find_first_of(",\r\n", at), text.size());
                return text.substr(at, end - at);
            }
            --before;
        }
        afterDelimiter = isDelimiter(text[at]);
    }
}
