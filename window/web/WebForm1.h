#pragma once

#include "Controls.h"
#include "Drawing.h"
#include "Form1.h"

// The game's window in the page: the design's controls as the page's elements, whose events go
// to Form1. Keys are real buttons with the game's drawing on a canvas inside; the gallows is
// drawn on a canvas under them; the labels are text.
class WebForm1 final : public Controls {
public:
    WebForm1(Host& host, Random& random);

    // Loads the window and shows it, as at the program's start.
    void start();
    Form1& form() { return form_; }
    // Draws a key as it looks now.
    void drawKey(int letterIndex, bool pressed, bool focused) const;
    // Draws every canvas again, for a new number of device pixels to a CSS pixel.
    void redraw();

    void setCaption(const std::string& caption) override;
    void setMaskedWord(std::string_view slots) override;
    void setWinsText(const std::string& winsText) override;
    void hideLetter(int letterIndex) override;
    void showPiece(int piece) override;
    void buildKeyboard() override;
    void showLetter(int letterIndex) override;
    void hidePiece(int piece) override;
    void rebuild() override;
    void focusLetter(int letterIndex) override;
    void tell(const std::string& news) override;

private:
    void placeLetter(int letterIndex) const;
    void drawGallows() const;
    // Device pixels to a CSS pixel: the screen's ratio times the page's zoom of the window.
    Scale deviceScale() const;

    Form1 form_;
    drawing::PiecesShown Hang;
    bool keyboardBuilt_ = false;
};
