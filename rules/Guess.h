#pragma once

#include "GameDisplay.h"
#include "GameState.h"

enum class Outcome { Continue, Lost, Won };

// The letter index 0 to 25 stands for the capitals A to Z. Reveals the letter wherever it
// stands in the secret word, or counts a miss and shows the next gallows piece; records the
// letter as guessed, and the round as over once it is won or lost.
Outcome guessLetter(GameState& state, GameDisplay& display, int letterIndex);

void countWin(GameState& state);
