#include "Win32Host.h"

#include <commdlg.h>

#include "WideText.h"

namespace {

constexpr const wchar_t* kTasksClass = L"ScaffleTasks";
constexpr UINT kRunTasks = WM_APP;

using OpenFileDialog = BOOL(WINAPI*)(OPENFILENAMEW*);

// The common dialogs' library, and the shell and printing ones it brings, loaded when the player
// first asks for the open dialog: the game's start does not wait on them.
OpenFileDialog openFileDialog() {
    static const auto open = reinterpret_cast<OpenFileDialog>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"comdlg32.dll"), "GetOpenFileNameW")));
    return open;
}

}  // namespace

Win32Host::Win32Host(HINSTANCE instance) {
    WNDCLASSEXW tasksClass{};
    tasksClass.cbSize = sizeof tasksClass;
    tasksClass.lpfnWndProc = procedure;
    tasksClass.hInstance = instance;
    tasksClass.lpszClassName = kTasksClass;
    RegisterClassExW(&tasksClass);
    // A message-only window: never shown, it only receives what is posted to it.
    tasksWindow_ = CreateWindowExW(0, kTasksClass, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   instance, this);
}

Win32Host::~Win32Host() {
    DestroyWindow(tasksWindow_);
}

LRESULT CALLBACK Win32Host::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* host = reinterpret_cast<Win32Host*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == kRunTasks && host != nullptr) {
        while (!host->tasks_.empty()) {
            const std::function<void()> task = std::move(host->tasks_.front());
            host->tasks_.pop_front();
            task();
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Win32Host::message(const std::string& text, const std::string& title) {
    MessageBoxW(GetActiveWindow(), wideText(text).c_str(), wideText(title).c_str(), MB_OK);
}

std::optional<WordFile> Win32Host::chooseWordFile(std::span<const FileType> filter) {
    const std::wstring windowsFilter = windowsFileFilter(filter);
    std::wstring path(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = windowsFilter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.Flags = OFN_EXPLORER;
    if (!openFileDialog()(&dialog)) {
        return std::nullopt;
    }
    path.resize(path.find(L'\0'));
    return WordFile::atPath(utf8Text(path));
}

void Win32Host::end(int status) {
    ExitProcess(static_cast<UINT>(status));
}

void Win32Host::afterThisEvent(std::function<void()> task) {
    // Posted messages wait until the event being handled has returned to the message loop.
    tasks_.push_back(std::move(task));
    PostMessageW(tasksWindow_, kRunTasks, 0, 0);
}

std::wstring windowsFileFilter(std::span<const FileType> filter) {
    std::wstring windowsFilter;
    for (const FileType& type : filter) {
        for (const char* part : {type.description, type.pattern}) {
            windowsFilter += wideText(part);
            windowsFilter += L'\0';
        }
    }
    return windowsFilter + L'\0';
}
