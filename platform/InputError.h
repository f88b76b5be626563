#pragma once

#include <stdexcept>
#include <string>

// Why the system will not give a word file's bytes.
enum class InputRefusal {
    DoesNotExist,
    IsAFolder,
    NotARegularFile,
    TooLarge,
    CannotOpen,
    CannotExamine,
    CannotRead,
};

// A word file the system will not read; what() is the reason, in words a player can act on.
class InputError : public std::runtime_error {
public:
    // systemWords: the system's own words for why, where it gave some.
    explicit InputError(InputRefusal refusal, const std::string& systemWords = {});

    InputRefusal refusal() const { return refusal_; }

private:
    InputRefusal refusal_;
};
