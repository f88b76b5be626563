#pragma once

#include <windows.h>

#include <string>

// A control whose text a screen reader speaks when it changes, politely, after what it is
// saying and without moving the focus: a live region, as Windows 8 and later have them.
void makeLiveRegion(HWND control);
void announce(HWND control, const std::wstring& text);
// What a screen reader reads as the control's name, in place of its text.
void nameForScreenReaders(HWND control, const std::wstring& name);
