#include "Win32Form1.h"

#include <commdlg.h>

#include <optional>
#include <string>
#include <vector>

#include "Drawing.h"
#include "LiveRegion.h"
#include "Menu.h"
#include "WideText.h"
#include "Win32Canvas.h"

namespace {

constexpr const wchar_t* kWindowClass = L"ScaffleForm1";
constexpr int kIcon = 1;
// No WS_CLIPCHILDREN: the window paints the whole board, the controls' places included, and the
// controls paint nothing of their own, so every change reaches the screen in one piece.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// WS_EX_CONTROLPARENT: Tab moves between the letters, as in a dialog.
constexpr DWORD kWindowExStyle = WS_EX_CONTROLPARENT;

// Control numbers; 1 and 2 are what Return and Escape send. The File menu's commands are
// numbered from kFirstCommand in their order.
enum : int { kFirstCommand = 100, kLabel1 = 200, kWinTotal, kHang, kFirstLetter = 1000 };
// The message box's text, as Windows numbers it.
constexpr int kBoxText = 0xFFFF;
// Posted once the event that asked for them is over: a box, the open dialog, a state to show.
enum : UINT { kShowBox = WM_APP, kChooseFile, kShowState };

HMENU createMenu() {
    HMENU mnuFile = CreatePopupMenu();
    int id = kFirstCommand;
    for (const menu::Command& command : menu::kFileCommands) {
        const std::string caption =
            std::string(command.caption) + "\tCtrl+" + std::string(1, command.ctrlKey);
        AppendMenuW(mnuFile, MF_STRING, id++, wideText(caption).c_str());
    }
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(mnuFile),
                wideText(menu::kFileCaption).c_str());
    return bar;
}

HACCEL createShortcuts() {
    std::vector<ACCEL> keys;
    WORD id = kFirstCommand;
    for (const menu::Command& command : menu::kFileCommands) {
        keys.push_back({FVIRTKEY | FCONTROL, static_cast<WORD>(command.ctrlKey), id++});
    }
    return CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

void place(HWND control, const PixelRect& box) {
    SetWindowPos(control, nullptr, box.left, box.top, box.width, box.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

constexpr MoveKeys<WPARAM> kMoveKeys = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_END};

Modifiers heldModifiers() {
    const auto held = [](int key) { return GetKeyState(key) < 0; };
    return (held(VK_SHIFT) ? kShift : 0) | (held(VK_CONTROL) ? kControl : 0) |
           (held(VK_MENU) ? kAlt : 0) | (held(VK_LWIN) || held(VK_RWIN) ? kMeta : 0);
}

int measure(std::string_view text, const design::Font& font, int pixels) {
    return textWidth(win32Font(font, pixels), wideText(text));
}

// The open dialog's filter as Windows takes it: each description and pattern ended by a NUL,
// and one more NUL at the end.
std::wstring windowsFileFilter() {
    std::wstring windowsFilter;
    for (const FileType& type : wordFileFilter()) {
        for (const char* part : {type.description, type.pattern}) {
            windowsFilter += wideText(part);
            windowsFilter += L'\0';
        }
    }
    return windowsFilter + L'\0';
}

// A control's own procedure, but for its background, which it never erases: the board under it is
// the window's to paint. The procedure it had is kept in its user data.
LRESULT CALLBACK unerased(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto own = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_USERDATA));
    return message == WM_ERASEBKGND ? 1 : CallWindowProcW(own, control, message, wParam, lParam);
}

using OpenFileDialog = BOOL(WINAPI*)(OPENFILENAMEW*);

// The common dialogs' library, and the shell and printing ones it brings, loaded when the player
// first asks for the open dialog: the game's start does not wait on them.
OpenFileDialog openFileDialog() {
    static const auto open = reinterpret_cast<OpenFileDialog>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"comdlg32.dll"), "GetOpenFileNameW")));
    return open;
}

}  // namespace

Win32Form1::Win32Form1(HINSTANCE instance, Random& random)
    : instance_(instance), form_(random, measure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIcon));
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(kIcon), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                   GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);

    window_ = CreateWindowExW(kWindowExStyle, kWindowClass, L"Scaffle!", kWindowStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                              createMenu(), instance, this);
    shortcuts_ = createShortcuts();
    // Owner-drawn and drawing nothing, not even an erased background: the window paints the
    // board under them, their faces included, so no paint of a control's own ever puts a part of
    // a board on the screen. A letter is still a push button with its letter as its text, and a
    // label a static text, which is what a screen reader reads.
    const auto control = [&](const wchar_t* kind, const wchar_t* text, DWORD style, int id) {
        const HWND made =
            CreateWindowExW(0, kind, text, WS_CHILD | style, 0, 0, 0, 0, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        SetWindowLongPtrW(made, GWLP_USERDATA, GetWindowLongPtrW(made, GWLP_WNDPROC));
        SetWindowLongPtrW(made, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(unerased));
        return made;
    };
    for (int index = 0; index < kLetterCount; ++index) {
        const wchar_t caption[] = {static_cast<wchar_t>(L'A' + index), L'\0'};
        Letter[index] =
            control(L"BUTTON", caption, WS_TABSTOP | BS_PUSHBUTTON | BS_OWNERDRAW | BS_NOTIFY,
                    kFirstLetter + index);
    }
    Label1 = control(L"STATIC", nullptr, WS_VISIBLE | SS_OWNERDRAW | SS_NOPREFIX, kLabel1);
    WinTotal = control(L"STATIC", nullptr, WS_VISIBLE | SS_OWNERDRAW | SS_NOPREFIX, kWinTotal);
    Hang = control(L"STATIC", nullptr, WS_VISIBLE | SS_OWNERDRAW | SS_NOPREFIX, kHang);
    tellScreenReaders(Label1, PROPID_ACC_DESCRIPTION, wideText(kLabel1Description));
    tellScreenReaders(WinTotal, PROPID_ACC_DESCRIPTION, wideText(kWinTotalDescription));
    News = control(L"STATIC", nullptr, WS_VISIBLE | SS_NOPREFIX, 0);
    makeLiveRegion(News);
    fitTo(GetDpiForWindow(window_));
}

Win32Form1::~Win32Form1() {
    DestroyWindow(window_);
    DestroyAcceleratorTable(shortcuts_);
}

int Win32Form1::run(int show) {
    input([](Form1& form) { form.Form_Load(); });
    ShowWindow(window_, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorW(window_, shortcuts_, &message) || moveFocus(message) ||
            IsDialogMessageW(window_, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void Win32Form1::input(const std::function<void(Form1&)>& event) {
    event(form_);
    showState();
}

bool Win32Form1::moveFocus(const MSG& message) {
    const int letterIndex = letterIndexOf(message.hwnd);
    const std::optional<LetterMove> move =
        message.message == WM_KEYDOWN ? letterMoveOf(message.wParam, kMoveKeys) : std::nullopt;
    if (!move || letterIndex < 0) {
        return false;
    }
    bool taken = false;
    input([&](Form1& form) { taken = form.Letter_KeyDown(letterIndex, *move, heldModifiers()); });
    return taken;
}

int Win32Form1::letterIndexOf(HWND control) const {
    const int index = GetDlgCtrlID(control) - kFirstLetter;
    return index >= 0 && index < kLetterCount && Letter[index] == control ? index : -1;
}

LRESULT CALLBACK Win32Form1::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* form = static_cast<Win32Form1*>(creation->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Win32Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return form != nullptr ? form->handle(message, wParam, lParam)
                           : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Win32Form1::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            command(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            const int letterIndex = letterIndexOf(item.hwndItem);
            if (letterIndex >= 0 && (item.itemAction & ODA_SELECT) != 0) {
                // The button's own press, by the mouse or the space bar; shown once this paint
                // is over.
                if ((item.itemState & ODS_SELECTED) != 0) {
                    form_.Letter_MouseDown(letterIndex);
                } else {
                    form_.Letter_MouseUp(letterIndex);
                }
                PostMessageW(window_, kShowState, 0, 0);
            }
            return TRUE;
        }
        case WM_ERASEBKGND:
            return 1;  // the board covers it all
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = BeginPaint(window_, &paint);
            paintBoard(dc, paint.rcPaint);
            EndPaint(window_, &paint);
            return 0;
        }
        case WM_PRINTCLIENT: {
            RECT client;
            GetClientRect(window_, &client);
            paintBoard(reinterpret_cast<HDC>(wParam), client);
            return 0;
        }
        case WM_DPICHANGED: {
            fitTo(HIWORD(wParam));
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0,
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
            return 0;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                input([](Form1& form) { form.Form_Deactivate(); });
            } else if (HIWORD(wParam) == 0) {
                input([](Form1& form) { form.Form_Activate(); });
            }
            return 0;
        case WM_SETFOCUS:  // restored from the taskbar: the frame itself never keeps the focus
            input([](Form1& form) { form.Form_Activate(); });
            return 0;
        case kShowBox:
            showBox();
            return 0;
        case kChooseFile:
            chooseFile();
            return 0;
        case kShowState:
            showState();
            return 0;
        case WM_CLOSE:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void Win32Form1::command(int id, int notification) {
    const auto commands = static_cast<int>(menu::kFileCommands.size());
    if (id >= kFirstLetter && id < kFirstLetter + kLetterCount) {
        const int letterIndex = id - kFirstLetter;
        if (notification == BN_CLICKED) {
            input([letterIndex](Form1& form) { form.Letter_Click(letterIndex); });
        } else if (notification == BN_SETFOCUS && !showing_) {
            input([letterIndex](Form1& form) { form.Letter_GotFocus(letterIndex); });
        }
    } else if (id >= kFirstCommand && id < kFirstCommand + commands) {
        const auto click = menu::kFileCommands[static_cast<std::size_t>(id - kFirstCommand)].click;
        input([click](Form1& form) { (form.*click)(); });
    }
}

void Win32Form1::showState() {
    // What showing sets off (a focus moved) is the game's doing, not the player's.
    if (showing_) {
        return;
    }
    showing_ = true;
    const WindowState now = form_.window();
    for (const PixelRect& box : drawing::changedBoxes(scale(), shown_, now)) {
        const RECT area{box.left, box.top, box.right(), box.bottom()};
        RedrawWindow(window_, &area, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    if (now.caption != shown_.caption) {
        SetWindowTextW(window_, wideText(now.caption).c_str());
    }
    SetWindowTextW(Label1, wideText(now.maskedWordSpoken).c_str());
    SetWindowTextW(WinTotal, wideText(now.winsText).c_str());
    SetWindowTextW(Hang, wideText(now.gallowsSpoken()).c_str());
    // Letters come before the focus and go after it, so that it never falls on a hidden one.
    const auto showLetters = [&](bool shown) {
        for (int index = 0; index < kLetterCount; ++index) {
            if (now.lettersShown.test(static_cast<std::size_t>(index)) == shown) {
                EnableWindow(Letter[index], shown);
                ShowWindow(Letter[index], shown ? SW_SHOWNA : SW_HIDE);
            }
        }
    };
    showLetters(true);
    if (now.focus >= 0 && GetActiveWindow() == window_ && GetFocus() != Letter[now.focus]) {
        SetFocus(Letter[now.focus]);
    }
    showLetters(false);
    if (now.news.number != shown_.news.number) {
        announce(News, wideText(now.news.text));
    }
    if (now.box && now.box != shown_.box) {
        PostMessageW(window_, kShowBox, 0, 0);
    }
    if (now.choosingFile && !shown_.choosingFile) {
        PostMessageW(window_, kChooseFile, 0, 0);
    }
    if (now.ended && !shown_.ended) {
        PostQuitMessage(now.exitStatus);
    }
    shown_ = now;
    // The window first, then its controls: all of the change reaches the screen at once.
    RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    showing_ = false;
}

void Win32Form1::showBox() {
    if (const std::optional<Box> box = form_.window().box) {
        // A screen reader reads the box's text by its name, given before the box is shown.
        static std::wstring spoken;
        spoken = wideText(box->spokenText());
        const HHOOK hook = SetWindowsHookExW(
            WH_CBT,
            [](int code, WPARAM wParam, LPARAM lParam) {
                if (code == HCBT_ACTIVATE) {
                    tellScreenReaders(GetDlgItem(reinterpret_cast<HWND>(wParam), kBoxText),
                                      PROPID_ACC_NAME, spoken);
                }
                return CallNextHookEx(nullptr, code, wParam, lParam);
            },
            nullptr, GetCurrentThreadId());
        MessageBoxW(window_, wideText(box->text).c_str(), wideText(box->title).c_str(), MB_OK);
        UnhookWindowsHookEx(hook);
        input([](Form1& form) { form.Box_Close(); });
    }
}

void Win32Form1::chooseFile() {
    const std::wstring filter = windowsFileFilter();
    std::wstring path(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window_;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.Flags = OFN_EXPLORER;
    if (openFileDialog()(&dialog)) {
        path.resize(path.find(L'\0'));
        const WordFile file = WordFile::atPath(utf8Text(path));
        input([&](Form1& form) { form.File_Choose(file); });
    } else {
        input([](Form1& form) { form.File_Cancel(); });
    }
}

void Win32Form1::paintBoard(HDC dc, const RECT& area) const {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    // Painted off the screen and put there in one copy, so that no half-painted board is seen.
    const HDC picture = CreateCompatibleDC(dc);
    const HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    const HGDIOBJ screenBitmap = SelectObject(picture, bitmap);
    // The picture's corner stands for the area's.
    SetWindowOrgEx(picture, area.left, area.top, nullptr);
    {
        Win32Canvas canvas(picture);
        drawing::drawBoard(canvas, scale(), form_.window(), {area.left, area.top, width, height});
    }
    BitBlt(dc, area.left, area.top, width, height, picture, area.left, area.top, SRCCOPY);
    SelectObject(picture, screenBitmap);
    DeleteObject(bitmap);
    DeleteDC(picture);
}

void Win32Form1::fitTo(UINT dpi) {
    dpi_ = dpi;
    RECT frame{0, 0, scale().pixels(design::kClientWidth), scale().pixels(design::kClientHeight)};
    AdjustWindowRectExForDpi(&frame, kWindowStyle, TRUE, kWindowExStyle, dpi);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    place(Label1, drawing::label1Box(scale()));
    place(WinTotal, drawing::winTotalBox(scale()));
    place(Hang, drawing::gallowsBounds(scale()));
    for (int index = 0; index < kLetterCount; ++index) {
        place(Letter[index], drawing::letterBox(scale(), index));
    }
    // The letters' font is looked for now, not at the first paint of a key.
    win32Font(design::kLetterFont, scale().fontPixels(design::kLetterFont.points));
    InvalidateRect(window_, nullptr, FALSE);
}

Scale Win32Form1::scale() const {
    return Scale::ofDpi(static_cast<int>(dpi_));
}
