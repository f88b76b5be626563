#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>

// A control whose text a screen reader speaks when it changes, politely, after what it is
// saying and without moving the focus: a live region, as Windows 8 and later have them.
void makeLiveRegion(HWND control);
void announce(HWND control, const std::wstring& text);
// What a screen reader reads of the control: its name, in place of its text, or its
// description, after its text.
void tellScreenReaders(HWND control, MSAAPROPID property, const std::wstring& text);
