#pragma once

#include <functional>
#include <vector>

#include "Canvas.h"
#include "Design.h"
#include "WindowState.h"

// The window's client area as the design draws it, for a screen of the given scale: what every
// front end paints, pixel for pixel, and where it puts its controls.
namespace drawing {

PiecesShown designPieces();  // the base alone, as a round starts

// The whole board at the scale: the window's white, the gallows, the keys shown with their
// looks, and the two labels. Only what meets dirty is drawn; a front end clips to it.
void drawBoard(Canvas& canvas, const Scale& scale, const WindowState& window,
               const PixelRect& dirty);

// The boxes to paint again for the board to go from showing one state to showing another.
std::vector<PixelRect> changedBoxes(const Scale& scale, const WindowState& shown,
                                    const WindowState& now);

// The client area; where the letter with this index stands; the labels' boxes.
PixelRect clientBox(const Scale& scale);
PixelRect letterBox(const Scale& scale, int letterIndex);
PixelRect label1Box(const Scale& scale);
PixelRect winTotalBox(const Scale& scale);
// A box that holds every pixel of every piece at the scale.
PixelRect gallowsBounds(const Scale& scale);

// The height in pixels of the design of Label1's font for a masked word: the design's where
// the word fits the label, else the largest smaller size at which it does, so that a long word
// is read whole; never below half the design's. widthAt gives the word's width at a size.
int label1FontPixels(const std::function<int(int pixels)>& widthAt);

}  // namespace drawing
