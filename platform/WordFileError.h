#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

// Why a word file cannot give a round.
enum class Refusal {
    DoesNotExist,
    IsAFolder,
    NotARegularFile,
    TooLarge,
    CannotOpen,     // with the system's error number
    CannotExamine,  // with the system's error number
    CannotRead,     // with the system's error number
    Empty,
    NotText,
    QuoteNeverClosed,  // with the number of the field where the quote opens
    NoWord,
};

// A word file that cannot give a round: which file, and why, in words a player can act on.
class WordFileError : public std::runtime_error {
public:
    WordFileError(std::string path, Refusal refusal, std::size_t detail = 0);

    // As it was given.
    const std::string& path() const { return path_; }
    Refusal refusal() const { return refusal_; }
    std::string reason() const;

private:
    std::string path_;
    Refusal refusal_;
    std::size_t detail_;
};
