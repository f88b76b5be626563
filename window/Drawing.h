#pragma once

#include <bitset>
#include <functional>

#include "Canvas.h"
#include "Design.h"

// The window as the design draws it, for a screen of the given scale: what every front end
// paints, and where it puts its controls.
namespace drawing {

// Pieces 1 to 12 of Hang, by number less one.
using PiecesShown = std::bitset<design::kHang.size()>;
PiecesShown designPieces();  // the base alone, as a round starts

// The shown pieces in their order, each with its colour and its pen at the scale, round at
// both ends, filled a row of pixels at a time: a pixel is the piece's when its centre is.
void drawGallows(Canvas& canvas, const Scale& scale, const PiecesShown& shown);

// A box that holds every pixel of every piece at the scale.
PixelRect gallowsBounds(const Scale& scale);

struct KeyLook {
    bool pressed;
    bool focused;
};
// A letter key filling box: the yellow face, raised edges lit from the top left that swap while
// the key is pressed, a black focus mark inside the edges while it has the focus, and the
// letter in black, sunk by an edge while pressed: the face, then the letter.
void drawKey(Canvas& canvas, const Scale& scale, const PixelRect& box, char letter, KeyLook look);
// The two halves of a key: the face is the same for every key of a size and look, so a front
// end may keep it and put each letter on it.
void drawKeyFace(Canvas& canvas, const Scale& scale, const PixelRect& box, KeyLook look);
void drawKeyLetter(Canvas& canvas, const Scale& scale, const PixelRect& box, char letter,
                   KeyLook look);

// Where the letter with this index stands: at the designed place of letter 0 before the
// keyboard is built, in its row afterwards.
PixelRect letterBox(const Scale& scale, int letterIndex, bool keyboardBuilt);

struct LabelLook {
    PixelRect box;
    design::Rgb background;
    design::Rgb ink;
    const design::Font& font;
    int fontPixels;
};
// Label1 on its pink, WinTotal on the window's white; both in black, fixed as the design fixes
// their backgrounds, so that a dark colour scheme cannot hide the text.
LabelLook label1Look(const Scale& scale);
LabelLook winTotalLook(const Scale& scale);

// The pixel size of Label1's font for a masked word: the design's where the word fits the
// label, else the largest smaller size at which it does, so that a long word is read whole;
// never below half the design's. widthAt gives the word's width in pixels at a size.
int label1FontPixels(const Scale& scale, const std::function<int(int fontPixels)>& widthAt);

}  // namespace drawing
