#pragma once

#include <windows.h>

#include <deque>
#include <functional>

#include "Host.h"

// The host of the Win32 window: Windows' own message box and open dialog, and a window of
// its own that runs the tasks put off until the current event is over.
class Win32Host final : public Host {
public:
    explicit Win32Host(HINSTANCE instance);
    ~Win32Host() override;
    Win32Host(const Win32Host&) = delete;
    Win32Host& operator=(const Win32Host&) = delete;

    void message(const std::string& text, const std::string& title) override;
    std::optional<WordFile> chooseWordFile(std::span<const FileType> filter) override;
    void end(int status) override;
    void afterThisEvent(std::function<void()> task) override;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND tasksWindow_;
    std::deque<std::function<void()>> tasks_;
};

// The open dialog's filter as Windows takes it: each description and pattern ended by a NUL,
// and one more NUL at the end.
std::wstring windowsFileFilter(std::span<const FileType> filter);
