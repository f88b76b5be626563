#include "LetterMoves.h"

#include <cstdlib>

#include "Design.h"

namespace {

using design::KeyboardRow;

int rowOf(int letterIndex) {
    int row = 0;
    while (letterIndex >= design::kKeyboard[row].firstIndex + design::kKeyboard[row].count) {
        ++row;
    }
    return row;
}

int centreOf(int letterIndex) {
    return design::kLetterPlaces[static_cast<std::size_t>(letterIndex)].x +
           design::kLetter0.width / 2;
}

bool isShown(const std::bitset<kLetterCount>& shown, int letterIndex) {
    return shown.test(static_cast<std::size_t>(letterIndex));
}

// The first shown letter from letterIndex on, stepping by step, while within is true.
template <typename Within>
int firstShown(const std::bitset<kLetterCount>& shown, int letterIndex, int step, Within within) {
    for (int index = letterIndex; within(index); index += step) {
        if (isShown(shown, index)) {
            return index;
        }
    }
    return -1;
}

// The shown letter of the nearest row that way that shows one, nearest to letterIndex's centre;
// the one further left of two as near.
int nearestInRows(const std::bitset<kLetterCount>& shown, int letterIndex, int rowStep) {
    const int rows = static_cast<int>(design::kKeyboard.size());
    for (int row = rowOf(letterIndex) + rowStep; row >= 0 && row < rows; row += rowStep) {
        const KeyboardRow& keys = design::kKeyboard[static_cast<std::size_t>(row)];
        int nearest = -1;
        for (int index = keys.firstIndex; index < keys.firstIndex + keys.count; ++index) {
            if (isShown(shown, index) &&
                (nearest < 0 || std::abs(centreOf(index) - centreOf(letterIndex)) <
                                    std::abs(centreOf(nearest) - centreOf(letterIndex)))) {
                nearest = index;
            }
        }
        if (nearest >= 0) {
            return nearest;
        }
    }
    return -1;
}

}  // namespace

int letterAfter(LetterMove move, int letterIndex, const std::bitset<kLetterCount>& shown) {
    const KeyboardRow& row = design::kKeyboard[static_cast<std::size_t>(rowOf(letterIndex))];
    const int rowEnd = row.firstIndex + row.count;
    int next = -1;
    switch (move) {
        case LetterMove::Left:
            next =
                firstShown(shown, letterIndex - 1, -1, [&](int i) { return i >= row.firstIndex; });
            break;
        case LetterMove::Right:
            next = firstShown(shown, letterIndex + 1, 1, [&](int i) { return i < rowEnd; });
            break;
        case LetterMove::Up:
            next = nearestInRows(shown, letterIndex, -1);
            break;
        case LetterMove::Down:
            next = nearestInRows(shown, letterIndex, 1);
            break;
        case LetterMove::First:
            next = firstShown(shown, 0, 1, [](int i) { return i < kLetterCount; });
            break;
        case LetterMove::Last:
            next = firstShown(shown, kLetterCount - 1, -1, [](int i) { return i >= 0; });
            break;
    }
    return next >= 0 ? next : letterIndex;
}

int letterAfterGuess(int letterIndex, const std::bitset<kLetterCount>& shown) {
    const int next = firstShown(shown, letterIndex + 1, 1, [](int i) { return i < kLetterCount; });
    return next >= 0 ? next : firstShown(shown, letterIndex - 1, -1, [](int i) { return i >= 0; });
}
