#include "Win32Form1.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "Drawing.h"
#include "LiveRegion.h"
#include "Menu.h"
#include "PaintWhole.h"
#include "WideText.h"
#include "Win32Canvas.h"
#include "WordShown.h"

namespace {

constexpr const wchar_t* kWindowClass = L"ScaffleForm1";
constexpr int kIcon = 1;
constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
// WS_EX_CONTROLPARENT: Tab moves between the letters, as in a dialog.
constexpr DWORD kWindowExStyle = WS_EX_CONTROLPARENT;

// Control numbers; 1 and 2 are what Return and Escape send. The File menu's commands are
// numbered from kFirstCommand in their order.
enum : int { kFirstCommand = 100, kLabel1 = 200, kWinTotal, kFirstLetter = 1000 };
// Posted by a reload, to show the new round once it stands.
constexpr UINT kReloadShown = WM_APP;

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

// The arrows, Home and End, alone: with Ctrl, Alt or Shift they are someone else's.
std::optional<LetterMove> letterMove(WPARAM key) {
    static constexpr std::pair<WPARAM, LetterMove> kMoves[] = {
        {VK_LEFT, LetterMove::Left}, {VK_RIGHT, LetterMove::Right}, {VK_UP, LetterMove::Up},
        {VK_DOWN, LetterMove::Down}, {VK_HOME, LetterMove::First},  {VK_END, LetterMove::Last},
    };
    if (GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0 && GetKeyState(VK_SHIFT) >= 0) {
        for (const auto& [moveKey, move] : kMoves) {
            if (key == moveKey) {
                return move;
            }
        }
    }
    return std::nullopt;
}

}  // namespace

Win32Form1::Win32Form1(HINSTANCE instance, Host& host, Random& random)
    : instance_(instance),
      form_(*this, host, random),
      label1Background_(CreateSolidBrush(win32Colour(design::kLabel1Background))) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIcon));
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(kIcon), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                   GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
    windowClass.hbrBackground = CreateSolidBrush(win32Colour(design::kBackground));
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);

    window_ = CreateWindowExW(kWindowExStyle, kWindowClass, L"Scaffle!", kWindowStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                              createMenu(), instance, this);
    shortcuts_ = createShortcuts();
    Label1 = CreateWindowExW(0, L"STATIC", nullptr,
                             WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, 0, 0,
                             0, 0, window_, reinterpret_cast<HMENU>(kLabel1), instance, nullptr);
    WinTotal = CreateWindowExW(
        0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, 0,
        0, 0, 0, window_, reinterpret_cast<HMENU>(kWinTotal), instance, nullptr);
    News = CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0,
                           window_, nullptr, instance, nullptr);
    makeLiveRegion(News);
    fitTo(GetDpiForWindow(window_));
    rebuild();
}

Win32Form1::~Win32Form1() {
    DestroyWindow(window_);
    DestroyAcceleratorTable(shortcuts_);
    DeleteObject(label1Background_);
}

int Win32Form1::run(int show) {
    form_.Form_Load();
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

bool Win32Form1::moveFocus(const MSG& message) {
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    const std::optional<LetterMove> move = letterMove(message.wParam);
    const int letterIndex = letterIndexOf(message.hwnd);
    if (!move || letterIndex < 0) {
        return false;
    }
    form_.Letter_KeyDown(letterIndex, *move);
    return true;
}

int Win32Form1::letterIndexOf(HWND control) const {
    const auto found = std::find(Letter.begin(), Letter.end(), control);
    return control != nullptr && found != Letter.end() ? static_cast<int>(found - Letter.begin())
                                                       : -1;
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
            command(LOWORD(wParam));
            return 0;
        case WM_DRAWITEM:
            // A button draws its focus mark at once, not in a repaint that the window's redrawing
            // being off holds back: until the new round is shown, it would mark the old board.
            if (!reloadPending_) {
                drawLetter(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            }
            return TRUE;
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<LRESULT>(
                labelColours(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)));
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = BeginPaint(window_, &paint);
            paintGallows(dc);
            EndPaint(window_, &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            paintGallows(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_DPICHANGED: {
            fitTo(HIWORD(wParam));
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0,
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
            return 0;
        }
        case WM_ACTIVATE:
            // As a dialog does: the letter that had the focus gets it back when the window is
            // active again, after a box, the open dialog or another program.
            if (LOWORD(wParam) == WA_INACTIVE) {
                focusedLetter_ = letterIndexOf(GetFocus());
            } else if (HIWORD(wParam) == 0) {
                restoreFocus();
            }
            return 0;
        case WM_SETFOCUS:  // restored from the taskbar: the frame itself never keeps the focus
            restoreFocus();
            return 0;
        case kReloadShown:
            // The new round stands: shown whole, the old board never torn down in view.
            reloadPending_ = false;
            SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
            paintWhole(window_);
            // The caption may name a new category.
            RedrawWindow(window_, nullptr, nullptr,
                         RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN | RDW_UPDATENOW);
            return 0;
        case WM_CLOSE:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void Win32Form1::command(int id) {
    const auto commands = static_cast<int>(menu::kFileCommands.size());
    if (id >= kFirstLetter && id < kFirstLetter + kLetterCount) {
        form_.Letter_Click(id - kFirstLetter);
    } else if (id >= kFirstCommand && id < kFirstCommand + commands) {
        (form_.*menu::kFileCommands[static_cast<std::size_t>(id - kFirstCommand)].click)();
    }
}

HWND Win32Form1::createLetter(int letterIndex) {
    // Owner-drawn, for the yellow face; still a push button with its letter as its text, which
    // is what a screen reader reads.
    const wchar_t caption[] = {static_cast<wchar_t>(L'A' + letterIndex), L'\0'};
    const HWND button = CreateWindowExW(
        0, L"BUTTON", caption, WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON | BS_OWNERDRAW, 0, 0, 0, 0,
        window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstLetter + letterIndex)),
        instance_, nullptr);
    return button;
}

void Win32Form1::placeLetter(int letterIndex) {
    // Until the keyboard is built, letter 0 stands alone where the design put it.
    place(Letter[letterIndex], drawing::letterBox(scale(), letterIndex, Letter[1] != nullptr));
}

void Win32Form1::rebuild() {
    // Nothing is painted until the new round stands: the load that follows is over by the time
    // the message posted here comes.
    SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
    reloadPending_ = true;
    PostMessageW(window_, kReloadShown, 0, 0);
    for (HWND& letter : Letter) {
        if (letter != nullptr) {
            DestroyWindow(letter);
            letter = nullptr;
        }
    }
    Letter[0] = createLetter(0);
    placeLetter(0);
    ShowWindow(Letter[0], SW_SHOW);
    maskedWord_ = wideText(design::kLabel1Text);
    fitMaskedWord();
    SetWindowTextW(Label1, maskedWord_.c_str());
    SetWindowTextW(WinTotal, wideText(design::kWinTotalText).c_str());
    Hang = drawing::designPieces();
    InvalidateRect(window_, nullptr, TRUE);
}

void Win32Form1::buildKeyboard() {
    for (int index = 1; index < kLetterCount; ++index) {
        Letter[index] = createLetter(index);  // hidden until the whole keyboard stands
    }
    for (int index = 0; index < kLetterCount; ++index) {
        placeLetter(index);
    }
    for (int index = 0; index < kLetterCount; ++index) {
        showLetter(index);
    }
}

void Win32Form1::showLetter(int letterIndex) {
    EnableWindow(Letter[letterIndex], TRUE);
    ShowWindow(Letter[letterIndex], SW_SHOW);
}

void Win32Form1::hideLetter(int letterIndex) {
    const HWND letter = Letter[letterIndex];
    // The focus goes on to the next letter, as Tab would take it, instead of to nothing.
    if (GetFocus() == letter) {
        SetFocus(GetNextDlgTabItem(window_, letter, FALSE));
    }
    // Hidden and disabled: nothing, not even a screen reader's action, can press it.
    ShowWindow(letter, SW_HIDE);
    EnableWindow(letter, FALSE);
}

void Win32Form1::focusLetter(int letterIndex) {
    SetFocus(Letter[letterIndex]);
}

void Win32Form1::tell(const std::string& news) {
    announce(News, wideText(news));
}

void Win32Form1::restoreFocus() {
    const HWND letter = focusedLetter_ >= 0 ? Letter[focusedLetter_] : nullptr;
    if (letter != nullptr && IsWindowVisible(letter) && IsWindowEnabled(letter)) {
        SetFocus(letter);
    } else if (const HWND first = GetNextDlgTabItem(window_, nullptr, FALSE)) {
        SetFocus(first);
    }
}

void Win32Form1::setCaption(const std::string& caption) {
    SetWindowTextW(window_, wideText(caption).c_str());
}

void Win32Form1::setMaskedWord(std::string_view slots) {
    std::wstring text = wideText(label1Text(slots));
    if (text == maskedWord_) {
        return;  // a miss: nothing to paint
    }
    maskedWord_ = std::move(text);
    fitMaskedWord();
    SetWindowTextW(Label1, maskedWord_.c_str());
}

void Win32Form1::fitMaskedWord() {
    const design::Font& font = design::kLabel1Font;
    const int pixels = drawing::label1FontPixels(
        scale(), [&](int size) { return textWidth(win32Font(font, size), maskedWord_); });
    const HFONT fitting = win32Font(font, pixels);
    if (reinterpret_cast<HFONT>(SendMessageW(Label1, WM_GETFONT, 0, 0)) != fitting) {
        SendMessageW(Label1, WM_SETFONT, reinterpret_cast<WPARAM>(fitting), TRUE);
    }
}

void Win32Form1::setWinsText(const std::string& winsText) {
    SetWindowTextW(WinTotal, wideText(winsText).c_str());
}

void Win32Form1::showPiece(int piece) {
    Hang.set(static_cast<std::size_t>(piece - 1));
    InvalidateRect(window_, nullptr, TRUE);
}

void Win32Form1::hidePiece(int piece) {
    Hang.reset(static_cast<std::size_t>(piece - 1));
    InvalidateRect(window_, nullptr, TRUE);
}

void Win32Form1::paintGallows(HDC dc) const {
    Win32Canvas canvas(dc);
    drawing::drawGallows(canvas, scale(), Hang);
}

void Win32Form1::drawLetter(const DRAWITEMSTRUCT& item) const {
    const RECT& face = item.rcItem;
    wchar_t caption[2] = {};
    GetWindowTextW(item.hwndItem, caption, 2);
    Win32Canvas canvas(item.hDC);
    drawing::drawKey(canvas, scale(),
                     {face.left, face.top, face.right - face.left, face.bottom - face.top},
                     static_cast<char>(caption[0]),
                     {(item.itemState & ODS_SELECTED) != 0, (item.itemState & ODS_FOCUS) != 0});
}

HBRUSH Win32Form1::labelColours(HWND label, HDC dc) const {
    const drawing::LabelLook look =
        label == Label1 ? drawing::label1Look(scale()) : drawing::winTotalLook(scale());
    SetTextColor(dc, win32Colour(look.ink));
    SetBkColor(dc, win32Colour(look.background));
    return label == Label1
               ? label1Background_
               : reinterpret_cast<HBRUSH>(GetClassLongPtrW(window_, GCLP_HBRBACKGROUND));
}

void Win32Form1::fitTo(UINT dpi) {
    dpi_ = dpi;
    RECT frame{0, 0, scale().pixels(design::kClientWidth), scale().pixels(design::kClientHeight)};
    AdjustWindowRectExForDpi(&frame, kWindowStyle, TRUE, kWindowExStyle, dpi);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    const auto placeLabel = [](HWND label, const drawing::LabelLook& look) {
        place(label, look.box);
        SendMessageW(label, WM_SETFONT,
                     reinterpret_cast<WPARAM>(win32Font(look.font, look.fontPixels)), TRUE);
    };
    placeLabel(Label1, drawing::label1Look(scale()));
    placeLabel(WinTotal, drawing::winTotalLook(scale()));
    fitMaskedWord();
    // The letters' font is looked for now, not at the first paint of a key.
    win32Font(design::kLetterFont, scale().fontPixels(design::kLetterFont.points));
    for (int index = 0; index < kLetterCount; ++index) {
        if (Letter[index] != nullptr) {
            placeLetter(index);
        }
    }
    InvalidateRect(window_, nullptr, TRUE);
}

Scale Win32Form1::scale() const {
    return Scale::ofDpi(static_cast<int>(dpi_));
}
