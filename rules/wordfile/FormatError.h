#pragma once

#include <cstddef>
#include <stdexcept>

// Why a word file's bytes cannot give a round.
enum class FormatRefusal {
    Empty,
    NotText,
    QuoteNeverClosed,  // with the number of the field where the quote opens
    NoWord,
    NoCapitalWord,  // no word can be won: none is made of the capitals A to Z alone
};

// Bytes that hold no word file the game can play; what() is the reason, in words a player can
// act on.
class FormatError : public std::runtime_error {
public:
    explicit FormatError(FormatRefusal refusal, std::size_t field = 0);
};
