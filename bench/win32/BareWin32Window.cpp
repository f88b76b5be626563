// The floor for the Windows program's start: a bare Win32 window with the game's controls
// (a menu, 26 buttons, two labels) and nothing else. `make bench-windows` starts it beside
// the game.
#include <windows.h>

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int show) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"Bare";
    RegisterClassExW(&windowClass);
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 100, L"Exit");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"File");
    const HWND window = CreateWindowExW(0, L"Bare", L"Bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                        CW_USEDEFAULT, 327, 280, nullptr, bar, instance, nullptr);
    for (int i = 0; i < 26; ++i) {
        const wchar_t caption[] = {static_cast<wchar_t>(L'A' + i), L'\0'};
        CreateWindowExW(0, L"BUTTON", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                        111 + 25 * (i % 8), 25 * (i / 8), 25, 25, window, nullptr, instance,
                        nullptr);
    }
    CreateWindowExW(0, L"STATIC", L"_ _ _ _ _", WS_CHILD | WS_VISIBLE | SS_CENTER, 8, 184, 297, 33,
                    window, nullptr, instance, nullptr);
    CreateWindowExW(0, L"STATIC", L"Wins: 0", WS_CHILD | WS_VISIBLE | SS_CENTER, 152, 144, 137, 25,
                    window, nullptr, instance, nullptr);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
