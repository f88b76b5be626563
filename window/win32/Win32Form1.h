#pragma once

#include <windows.h>

#include <array>
#include <functional>

#include "Form1.h"
#include "Scale.h"

// The game's window in Win32: the design's controls over the board the game draws, and the
// File menu. Every native event becomes one of Form1's, and the window then shows Form1's
// state: a front end that decides nothing.
class Win32Form1 final {
public:
    Win32Form1(HINSTANCE instance, Random& random);
    ~Win32Form1();
    Win32Form1(const Win32Form1&) = delete;
    Win32Form1& operator=(const Win32Form1&) = delete;

    // Loads the window and shows it, then runs its events until the program ends.
    int run(int show);
    // Hands the game one of its inputs, then shows what it changed.
    void input(const std::function<void(Form1&)>& event);

    const Form1& form() const { return form_; }
    HWND handle() const { return window_; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void command(int id, int notification);
    // An arrow key, Home or End on a letter, handed to the game before the dialog keys'
    // own handling takes it.
    bool moveFocus(const MSG& message);
    int letterIndexOf(HWND control) const;
    void showState();
    void showBox();
    void chooseFile();
    // The board's pixels under area of the client, put down on the window's dc.
    void paintBoard(HDC dc, const RECT& area) const;
    // Sizes and places for the screen's dots per inch.
    void fitTo(UINT dpi);
    Scale scale() const;

    HINSTANCE instance_;
    Form1 form_;
    WindowState shown_;
    bool showing_ = false;
    HWND window_ = nullptr;
    HACCEL shortcuts_ = nullptr;
    std::array<HWND, kLetterCount> Letter{};
    HWND Label1 = nullptr;
    HWND WinTotal = nullptr;
    // The gallows, as a screen reader reads it; the board draws it.
    HWND Hang = nullptr;
    // What a screen reader is told: a live region no bigger than nothing, seen by nobody.
    HWND News = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
};
