#pragma once

#include <functional>

#include "Form1.h"
#include "Scale.h"

// The game's window in the page: the board the game draws as SVG, under the design's controls
// as the page's elements. Every event of the page becomes one of Form1's, and the page then
// shows Form1's state: a front end that decides nothing.
class WebForm1 final {
public:
    explicit WebForm1(Random& random);

    // Hands the game one of its inputs, then shows what it changed.
    void input(const std::function<void(Form1&)>& event);
    // Draws the board again, for a new number of device pixels to a CSS pixel.
    void redraw();

private:
    void show();
    void drawBoard(const Scale& scale);
    // Device pixels to a CSS pixel: the screen's ratio times the page's zoom of the window.
    static Scale deviceScale();

    Form1 form_;
    WindowState shown_;
    bool showing_ = false;
};
