#pragma once

#include <bitset>

#include "GameState.h"

// Where the arrow keys, Home and End take the focus among the letters shown: left and right
// along a row, up and down to the nearest letter of the nearest row above or below that
// shows one, Home and End to the first and the last letter. One rule for every front end,
// from the keyboard's design.
enum class LetterMove { Left, Right, Up, Down, First, Last };

// The keys held with another, as every front end names them.
using Modifiers = unsigned;
inline constexpr Modifiers kNoModifier = 0, kShift = 1, kControl = 2, kAlt = 4, kMeta = 8;

// The letter the focus goes to from letterIndex; letterIndex itself where none lies that way.
int letterAfter(LetterMove move, int letterIndex, const std::bitset<kLetterCount>& shown);

// Where the focus goes when its letter is guessed: on to the next letter shown, as Tab
// would take it, else back to the one before; -1 where none is left.
int letterAfterGuess(int letterIndex, const std::bitset<kLetterCount>& shown);
