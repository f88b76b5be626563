#include "Win32Form1.h"

#include <cmath>

#include "GameState.h"
#include "WideText.h"

namespace {

constexpr const wchar_t* kWindowClass = L"ScaffleForm1";
constexpr int kIcon = 1;
constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
// WS_EX_CONTROLPARENT: Tab moves between the letters, as in a dialog.
constexpr DWORD kWindowExStyle = WS_EX_CONTROLPARENT;

// Command and control numbers; 1 and 2 are what Return and Escape send.
enum : int { mnuOH = 100, mnuAbout, mnuExit, kLabel1 = 200, kWinTotal, kFirstLetter = 1000 };

COLORREF colour(design::Rgb rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

bool fontExists(const wchar_t* family) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, family, LF_FACESIZE - 1);
    bool found = false;
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(
        screen, &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
            *reinterpret_cast<bool*>(found) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// The design's font where the system has it, else its metric-compatible stand-in.
HFONT createFont(const design::Font& font, UINT dpi) {
    const std::wstring family = wideText(font.family);
    const std::wstring face = fontExists(family.c_str()) ? family : wideText(font.substitute);
    const int height = -static_cast<int>(std::lround(font.points * dpi / 72.0));
    return CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH, face.c_str());
}

HMENU createMenu() {
    HMENU mnuFile = CreatePopupMenu();
    AppendMenuW(mnuFile, MF_STRING, mnuOH, L"Open Scaffle Word File\tCtrl+O");
    AppendMenuW(mnuFile, MF_STRING, mnuAbout, L"About Scaffle!\tCtrl+A");
    AppendMenuW(mnuFile, MF_STRING, mnuExit, L"Exit\tCtrl+X");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(mnuFile), L"File");
    return bar;
}

HACCEL createShortcuts() {
    ACCEL keys[] = {{FVIRTKEY | FCONTROL, 'O', mnuOH},
                    {FVIRTKEY | FCONTROL, 'A', mnuAbout},
                    {FVIRTKEY | FCONTROL, 'X', mnuExit}};
    return CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys)));
}

}  // namespace

Win32Form1::Win32Form1(HINSTANCE instance, Host& host, Random& random)
    : instance_(instance),
      form_(*this, host, random),
      letterFace_(CreateSolidBrush(colour(design::kLetterFace))),
      label1Background_(CreateSolidBrush(colour(design::kLabel1Background))) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIcon));
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(kIcon), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                   GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
    windowClass.hbrBackground = CreateSolidBrush(colour(design::kBackground));
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
    fitTo(GetDpiForWindow(window_));
    rebuild();
}

Win32Form1::~Win32Form1() {
    DestroyWindow(window_);
    DestroyAcceleratorTable(shortcuts_);
    for (HFONT font : {letterFont_, label1Font_, winTotalFont_}) {
        DeleteObject(font);
    }
    DeleteObject(letterFace_);
    DeleteObject(label1Background_);
}

int Win32Form1::run(int show) {
    form_.Form_Load();
    ShowWindow(window_, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorW(window_, shortcuts_, &message) ||
            IsDialogMessageW(window_, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
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
            drawLetter(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
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
        case WM_DPICHANGED: {
            fitTo(HIWORD(wParam));
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0,
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
            return 0;
        }
        case WM_CLOSE:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void Win32Form1::command(int id) {
    if (id >= kFirstLetter && id < kFirstLetter + kLetterCount) {
        form_.Letter_Click(id - kFirstLetter);
    } else if (id == mnuOH) {
        form_.mnuOH_Click();
    } else if (id == mnuAbout) {
        form_.mnuAbout_Click();
    } else if (id == mnuExit) {
        form_.mnuExit_Click();
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
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(letterFont_), FALSE);
    return button;
}

void Win32Form1::placeLetter(int letterIndex) {
    // Until the keyboard is built, letter 0 stands alone where the design put it.
    const bool keyboardBuilt = Letter[1] != nullptr;
    const design::Point twips = keyboardBuilt
                                    ? design::kLetterPlaces[static_cast<std::size_t>(letterIndex)]
                                    : design::Point{design::kLetter0.left, design::kLetter0.top};
    const RECT place =
        pixels(design::Rect{twips.x, twips.y, design::kLetter0.width, design::kLetter0.height});
    SetWindowPos(Letter[letterIndex], nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form1::rebuild() {
    for (HWND& letter : Letter) {
        if (letter != nullptr) {
            DestroyWindow(letter);
            letter = nullptr;
        }
    }
    Letter[0] = createLetter(0);
    placeLetter(0);
    ShowWindow(Letter[0], SW_SHOW);
    SetWindowTextW(Label1, wideText(design::kLabel1Text).c_str());
    SetWindowTextW(WinTotal, wideText(design::kWinTotalText).c_str());
    Hang.reset();
    for (std::size_t piece = kMissesPerRound; piece < Hang.size(); ++piece) {
        Hang.set(piece);
    }
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

void Win32Form1::setCaption(const std::string& caption) {
    SetWindowTextW(window_, wideText(caption).c_str());
}

void Win32Form1::setMaskedWord(const std::string& maskedWord) {
    SetWindowTextW(Label1, wideText(maskedWord).c_str());
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
    for (std::size_t i = 0; i < design::kHang.size(); ++i) {
        if (!Hang.test(i)) {
            continue;
        }
        const design::Piece& piece = design::kHang[i];
        const LOGBRUSH ink{BS_SOLID, colour(piece.colour), 0};
        const auto width = static_cast<DWORD>(
            MulDiv(piece.penWidth, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI));
        const HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                                      width, &ink, 0, nullptr);
        const HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, pixels(piece.start.x), pixels(piece.start.y), nullptr);
        LineTo(dc, pixels(piece.end.x), pixels(piece.end.y));
        SelectObject(dc, old);
        DeleteObject(pen);
    }
}

void Win32Form1::drawLetter(const DRAWITEMSTRUCT& item) const {
    RECT face = item.rcItem;
    const HDC dc = item.hDC;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &face, letterFace_);
    DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    wchar_t caption[2] = {};
    GetWindowTextW(item.hwndItem, caption, 2);
    RECT text = face;
    if (pressed) {
        OffsetRect(&text, 1, 1);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const HGDIOBJ old = SelectObject(dc, letterFont_);
    DrawTextW(dc, caption, 1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        const int inset = MulDiv(3, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI);
        InflateRect(&face, -inset, -inset);
        DrawFocusRect(dc, &face);
    }
}

HBRUSH Win32Form1::labelColours(HWND label, HDC dc) const {
    // Ink fixed with the background, as the design fixes both: a dark scheme changes neither.
    SetTextColor(dc, RGB(0, 0, 0));
    if (label == Label1) {
        SetBkColor(dc, colour(design::kLabel1Background));
        return label1Background_;
    }
    SetBkColor(dc, colour(design::kBackground));
    return reinterpret_cast<HBRUSH>(GetClassLongPtrW(window_, GCLP_HBRBACKGROUND));
}

void Win32Form1::fitTo(UINT dpi) {
    dpi_ = dpi;
    for (HFONT font : {letterFont_, label1Font_, winTotalFont_}) {
        DeleteObject(font);
    }
    letterFont_ = createFont(design::kLetterFont, dpi);
    label1Font_ = createFont(design::kLabel1Font, dpi);
    winTotalFont_ = createFont(design::kWinTotalFont, dpi);

    RECT frame{0, 0, pixels(design::kClientWidth), pixels(design::kClientHeight)};
    AdjustWindowRectExForDpi(&frame, kWindowStyle, TRUE, kWindowExStyle, dpi);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    const auto placeLabel = [this](HWND label, design::Rect rect, HFONT font) {
        const RECT place = pixels(rect);
        SetWindowPos(label, nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    };
    placeLabel(Label1, design::kLabel1, label1Font_);
    placeLabel(WinTotal, design::kWinTotal, winTotalFont_);
    for (int index = 0; index < kLetterCount; ++index) {
        if (Letter[index] != nullptr) {
            SendMessageW(Letter[index], WM_SETFONT, reinterpret_cast<WPARAM>(letterFont_), FALSE);
            placeLetter(index);
        }
    }
    InvalidateRect(window_, nullptr, TRUE);
}

int Win32Form1::pixels(int twips) const {
    return MulDiv(twips, static_cast<int>(dpi_), 1440);
}

RECT Win32Form1::pixels(design::Rect rect) const {
    const int left = pixels(rect.left);
    const int top = pixels(rect.top);
    return {left, top, left + pixels(rect.width), top + pixels(rect.height)};
}
