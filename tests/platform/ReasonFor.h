#pragma once

#include <string>

#include "InputError.h"
#include "WordFileInput.h"

// Why the word file at path is not read, in the player's words; "no error" when it is.
inline std::string reasonFor(const std::string& path) {
    try {
        readWordFileBytes(path);
    } catch (const InputError& error) {
        return error.what();
    }
    return "no error";
}
