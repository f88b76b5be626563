#pragma once

#include <bitset>

#include "Controls.h"
#include "Drawing.h"
#include "Form1.h"

// The game's window in the page: the design's controls as the page's elements, whose events go
// to Form1. The keys are real buttons over the board, a picture under the client area in which
// the game draws the gallows and, above it, every key's face; a key's letter is its button's
// text. The labels are text.
class WebForm1 final : public Controls {
public:
    WebForm1(Host& host, Random& random);

    // Loads the window and shows it, as at the program's start.
    void start();
    Form1& form() { return form_; }
    // A key shown looks pressed or not, focused or not.
    void drawKey(int letterIndex, bool pressed, bool focused);
    // Draws the whole keyboard's faces at once, if it has changed: at the end of the event that
    // changed it.
    void drawStaleFaces();
    // Draws the board again, for a new number of device pixels to a CSS pixel.
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
    void drawGallows();
    drawing::KeyLook look(int letterIndex) const;
    void drawLetter(int letterIndex);
    // One key's face, when it alone has changed: drawn over the keyboard's, in place of the last
    // one drawn so, unless the whole keyboard is to be drawn anyway.
    void drawFace(int letterIndex);
    void facesChanged();
    // The whole keyboard's faces, drawn anew.
    void drawFaces();
    PixelRect keyBox(const Scale& scale, int letterIndex) const;
    // Device pixels to a CSS pixel: the screen's ratio times the page's zoom of the window.
    Scale deviceScale() const;

    Form1 form_;
    drawing::PiecesShown Hang;
    std::bitset<kLetterCount> shown_;
    int pressed_ = -1;
    int focused_ = -1;
    bool facesStale_ = false;
    bool keyboardBuilt_ = false;
};
