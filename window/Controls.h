#pragma once

#include "GameDisplay.h"

// The window's controls, as a toolkit makes them from the design: what the rules change on
// the screen, and what the window's own events do to it.
class Controls : public GameDisplay {
public:
    // Creates letters 1 to 25 beside the designed letter 0, puts all 26 in their rows with
    // their captions, and shows them.
    virtual void buildKeyboard() = 0;
    virtual void showLetter(int letterIndex) = 0;
    virtual void hidePiece(int piece) = 0;
    // Unloads every control and builds the window's design afresh: letter 0 alone, pieces 1
    // to 9 hidden, the labels' design texts. The window itself stays where it is.
    virtual void rebuild() = 0;
    virtual void focusLetter(int letterIndex) = 0;
    // Tells a screen reader what just happened, once: it is spoken, and does not stay on
    // a control to be read again later.
    virtual void tell(const std::string& news) = 0;
};
