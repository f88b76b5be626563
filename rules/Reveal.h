#pragma once

#include <cstddef>
#include <string>
#include <string_view>

struct Revealed {
    std::size_t matches;    // positions of the word that hold the letter
    std::size_t positions;  // positions whose slot now equals the word's character
};

// Sets to letter every slot where the word, in UTF-8, holds it; one pass, so that a guess on a
// long word stays quick.
Revealed reveal(std::string_view word, std::string& slots, char letter);
