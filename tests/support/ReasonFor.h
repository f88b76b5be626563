#pragma once

#include <string>

#include "InputError.h"
#include "WordFileInput.h"

// Why read refuses, in the player's words: the text of the Refusal it throws; "no error" when
// it throws none.
template <typename Refusal, typename Read>
std::string reasonFor(Read read) {
    try {
        read();
    } catch (const Refusal& refusal) {
        return refusal.what();
    }
    return "no error";
}

// Why the word file at path is not read.
inline std::string reasonFor(const std::string& path) {
    return reasonFor<InputError>([&] { readWordFileBytes(path); });
}
