#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "FormatError.h"
#include "Require.h"
#include "WordList.h"

// Reads arbitrary bytes as a word file twice, all at once and arriving block by block as from
// the disk, and requires the same category and the same words of both; a difference aborts.
// The bytes are: the block size (two bytes), how many times the rest is repeated (one byte),
// then the text, so that small inputs reach far past the first blocks.
namespace fuzzing {

inline std::optional<WordList> readInBlocks(std::string bytes, std::size_t block) {
    try {
        PlainWords plain;
        for (std::size_t arrived = block; block != 0 && arrived < bytes.size(); arrived += block) {
            plain.countArrived(std::string_view(bytes).substr(0, arrived));
        }
        return WordList::fromBytes(std::move(bytes), std::move(plain));
    } catch (const FormatError&) {
        return std::nullopt;
    }
}

inline void readBothWays(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return;
    }
    const std::size_t block = 1 + (data[0] | std::size_t{data[1]} << 8) * 8;
    const std::string text(reinterpret_cast<const char*>(data) + 3, size - 3);
    std::string bytes;
    for (int copy = 0; copy <= data[2]; ++copy) {
        bytes += text;
    }

    const std::optional<WordList> whole = readInBlocks(bytes, 0);
    const std::optional<WordList> arriving = readInBlocks(bytes, block);
    require(whole.has_value() == arriving.has_value());
    if (!whole) {
        return;
    }
    require(whole->category() == arriving->category());
    require(whole->count() == arriving->count());
    // The first and last words and some between: finding each may take a block's reading.
    const std::size_t step = 1 + whole->count() / 16;
    for (std::size_t number = 1; number <= whole->count(); number += step) {
        require(whole->word(number) == arriving->word(number));
    }
    require(whole->word(whole->count()) == arriving->word(whole->count()));
}

}  // namespace fuzzing
