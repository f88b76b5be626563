#pragma once

#include <windows.h>

// Paints a window's client area and its shown controls off the screen, then puts the picture
// on the screen in one copy and marks it all as painted. Painted in place, each control
// reaches the screen as it is done, and on a busy machine a player would see the window half
// old and half new.
void paintWhole(HWND window);
