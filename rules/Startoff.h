#pragma once

#include <cstddef>

#include "GameDisplay.h"
#include "GameState.h"
#include "Random.h"

// Begins a new round from the word file, which becomes the state's word file. All or
// nothing: a file that cannot give a round throws WordFileError before the state or the
// display change.
void startoff(GameState& state, GameDisplay& display, Random& random, const WordFile& file);

// Begins a new round from a word list already read.
void startRound(GameState& state, GameDisplay& display, Random& random, WordList words);

// The number, 1 to count, of the word that r (0 <= r < 1) picks.
std::size_t pickWordNumber(std::size_t count, double r);
