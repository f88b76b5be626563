#pragma once

#include <string_view>

#include "WordFile.h"

// The word file data/scaffle.scf, compiled into the game, for when no word file can give a
// round.
std::string_view builtInWordFile();
WordList builtInWords();
