#pragma once

#include <algorithm>
#include <array>
#include <bitset>
#include <optional>

#include "GameState.h"

// Where the arrow keys, Home and End take the focus among the letters shown: left and right
// along a row, up and down to the nearest letter of the nearest row above or below that
// shows one, Home and End to the first and the last letter. One rule for every front end,
// from the keyboard's design.
enum class LetterMove { Left, Right, Up, Down, First, Last };

// A front end's keys for the moves, in their order: Left, Right, Up, Down, Home, End.
template <typename Key>
using MoveKeys = std::array<Key, 6>;

// The move a key makes, if it makes one.
template <typename Key>
std::optional<LetterMove> letterMoveOf(Key key, const MoveKeys<Key>& keys) {
    const auto found = std::find(keys.begin(), keys.end(), key);
    if (found == keys.end()) {
        return std::nullopt;
    }
    return static_cast<LetterMove>(found - keys.begin());
}

// The keys held with another, as every front end names them.
using Modifiers = unsigned;
inline constexpr Modifiers kNoModifier = 0, kShift = 1, kControl = 2, kAlt = 4, kMeta = 8;

// The letter the focus goes to from letterIndex; letterIndex itself where none lies that way.
int letterAfter(LetterMove move, int letterIndex, const std::bitset<kLetterCount>& shown);

// Where the focus goes when its letter is guessed: on to the next letter shown, as Tab
// would take it, else back to the one before; -1 where none is left.
int letterAfterGuess(int letterIndex, const std::bitset<kLetterCount>& shown);
