#pragma once

#include "WordList.h"

// The word list compiled into the game, for when no word file can give a round.
WordList builtInWords();
