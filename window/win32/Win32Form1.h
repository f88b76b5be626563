#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "Controls.h"
#include "Drawing.h"
#include "Form1.h"

// The game's window in Win32: the design's controls, whose events go to Form1. A reload
// builds the controls afresh inside the same top-level window, so the window never moves.
class Win32Form1 final : public Controls {
public:
    Win32Form1(HINSTANCE instance, Host& host, Random& random);
    ~Win32Form1() override;
    Win32Form1(const Win32Form1&) = delete;
    Win32Form1& operator=(const Win32Form1&) = delete;

    // Loads the window and shows it, then runs its events until the program ends.
    int run(int show);

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
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void command(int id);
    // An arrow key, Home or End on a letter, handed to the game before the dialog keys'
    // own handling takes it.
    bool moveFocus(const MSG& message);
    int letterIndexOf(HWND control) const;
    void restoreFocus();
    // Label1's font for the masked word it shows: smaller for a word too wide for it.
    void fitMaskedWord();
    HWND createLetter(int letterIndex);
    void placeLetter(int letterIndex);
    void paintGallows(HDC dc) const;
    void drawLetter(const DRAWITEMSTRUCT& item) const;
    HBRUSH labelColours(HWND label, HDC dc) const;
    // Fonts, sizes and places for the screen's dots per inch.
    void fitTo(UINT dpi);
    Scale scale() const;

    HINSTANCE instance_;
    Form1 form_;
    HWND window_ = nullptr;
    HACCEL shortcuts_ = nullptr;
    std::array<HWND, kLetterCount> Letter{};
    HWND Label1 = nullptr;
    std::wstring maskedWord_;
    HWND WinTotal = nullptr;
    // What a screen reader is told: a live region no bigger than nothing, seen by nobody.
    HWND News = nullptr;
    drawing::PiecesShown Hang;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    // The letter that had the focus when the window was last active; -1 for none.
    int focusedLetter_ = -1;
    // From a reload until the new round is shown whole: nothing of it is painted before.
    bool reloadPending_ = false;
    HBRUSH label1Background_;
};
