// The Win32 window as Windows gives it: the game's drawing pixel for pixel at every dots per
// inch a desktop offers, faces in outlines that Windows has, a long word's size measured in
// them, and what an accessibility client reads. In a real window under Wine on Xvfb.
#include "Win32Form1.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <string>
#include <utility>
#include <vector>

#include "ChosenRandom.h"
#include "Drawing.h"
#include "RecordingCanvas.h"
#include "WideText.h"
#include "Win32Canvas.h"

namespace {

void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
}

class Window : public testing::Test {
protected:
    Window() {
        form.input([](Form1& game) { game.Form_Load(); });
        ShowWindow(form.handle(), SW_SHOWNORMAL);
        pumpMessages();
    }
    HWND control(int id) const { return GetDlgItem(form.handle(), id); }
    void showAt(UINT dpi) {
        RECT frame{};
        GetWindowRect(form.handle(), &frame);
        SendMessageW(form.handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&frame));
        RedrawWindow(form.handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        pumpMessages();
    }

    ChosenRandom random;
    Win32Form1 form{GetModuleHandleW(nullptr), random};
};

// A white picture of the client area's device pixels at the scale, in memory.
class Picture {
public:
    explicit Picture(const Scale& scale)
        : width_(scale.pixels(design::kClientWidth)),
          height_(scale.pixels(design::kClientHeight)),
          dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO format{};
        format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        format.bmiHeader.biWidth = width_;
        format.bmiHeader.biHeight = -height_;  // top row first
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 32;
        format.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(dc_, &format, DIB_RGB_COLORS, &bits_, nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        const RECT all{0, 0, width_, height_};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~Picture() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    std::string at(int x, int y) const {
        GdiFlush();
        const auto pixel = static_cast<const DWORD*>(bits_)[y * width_ + x];
        return std::to_string(pixel >> 16 & 0xFF) + "," + std::to_string(pixel >> 8 & 0xFF) + "," +
               std::to_string(pixel & 0xFF);
    }

private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    void* bits_ = nullptr;
};

TEST_F(Window, showsTheGamesDrawingPixelForPixelAtEveryScale) {
    form.input([](Form1& game) {
        game.Letter_Click(0);
        game.Letter_MouseDown(2);
    });
    for (const int dpi : {96, 120, 144, 168, 192}) {
        SCOPED_TRACE(dpi);
        showAt(static_cast<UINT>(dpi));
        const Scale scale = Scale::ofDpi(dpi);
        // The window's client area as it is on the screen, controls and all.
        const Picture shown(scale);
        const HDC screen = GetDC(form.handle());
        BitBlt(shown.dc(), 0, 0, shown.width(), shown.height(), screen, 0, 0, SRCCOPY);
        ReleaseDC(form.handle(), screen);

        // The same state drawn apart from the window: its fills exactly, and with Windows'
        // glyphs, which tell where the letters' own pixels are.
        const PixelRect client = drawing::clientBox(scale);
        RecordingCanvas fills(client.width, client.height);
        drawing::drawBoard(fills, scale, form.form().window(), client);
        const Picture glyphs(scale);
        {
            Win32Canvas canvas(glyphs.dc());
            drawing::drawBoard(canvas, scale, form.form().window(), client);
        }
        int differ = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const std::string drawn = fills.at(x, y);
                differ += glyphs.at(x, y) == drawn && shown.at(x, y) != drawn;
            }
        }
        EXPECT_EQ(differ, 0);
    }
}

// The family a font asked for, the name of the font the system gave it, whether that is in
// outlines (only those have outline metrics), and whether it was narrowed.
struct Face {
    std::wstring asked;
    std::wstring got;
    bool outline;
    bool narrowed;
};

Face faceOf(HFONT font) {
    LOGFONTW asked{};
    GetObjectW(font, sizeof asked, &asked);
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(screen, font);
    // A replacement goes by the name asked for; the font's own names (Wine gives its unique
    // one here: "Ascender - Liberation Serif") are its file's.
    std::wstring got;
    std::vector<char> outline(GetOutlineTextMetricsW(screen, 0, nullptr));
    auto* metrics = reinterpret_cast<OUTLINETEXTMETRICW*>(outline.data());
    if (!outline.empty() && GetOutlineTextMetricsW(screen, outline.size(), metrics) != 0) {
        got = reinterpret_cast<const wchar_t*>(
            outline.data() + reinterpret_cast<std::size_t>(metrics->otmpFullName));
    }
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return {asked.lfFaceName, got, !outline.empty(), asked.lfWidth != 0};
}

TEST_F(Window, asksForOutlineFacesThatWindowsHasAndFitsALongWordInThem) {
    // The test prefix maps Windows' faces to Linux's, as a Windows without the design's faces
    // would give its own: the design's bitmap faces and Office's narrow one are not asked for.
    const Face letters = faceOf(win32Font(design::kLetterFont, 18));
    const Face word = faceOf(win32Font(design::kLabel1Font, 21));
    const Face wins = faceOf(win32Font(design::kWinTotalFont, 18));
    EXPECT_EQ(letters.asked, L"Times New Roman");
    EXPECT_NE(letters.got.find(L"Liberation Serif"), std::wstring::npos);
    EXPECT_EQ(word.asked, L"Arial");
    EXPECT_NE(word.got.find(L"Liberation Sans"), std::wstring::npos);
    EXPECT_TRUE(word.narrowed);
    EXPECT_EQ(wins.asked, L"Microsoft Sans Serif");
    EXPECT_NE(wins.got.find(L"Liberation Sans"), std::wstring::npos);
    EXPECT_TRUE(letters.outline && word.outline && wins.outline);

    form.input([](Form1& game) {
        game.mnuOH_Click();
        game.File_Choose(WordFile::ofBytes("long.txt", "Long\nCOUNTERREVOLUTIONARY\n"));
        for (const char letter : std::string_view("COUNTERVLIAY")) {
            game.Letter_Click(letter - 'A');
        }
    });
    const WindowState& window = form.form().window();
    EXPECT_LT(window.maskedWordPixels, 21);
    EXPECT_LE(textWidth(win32Font(design::kLabel1Font, window.maskedWordPixels),
                        wideText(window.maskedWord)),
              drawing::label1Box(Scale(1)).width);
}

// The name and state an accessibility client reads of a control.
std::pair<std::wstring, LONG> accessible(HWND control) {
    IAccessible* object = nullptr;
    AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                               reinterpret_cast<void**>(&object));
    if (object == nullptr) {
        return {};
    }
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    VARIANT state;
    VariantInit(&state);
    object->get_accName(self, &name);
    object->get_accState(self, &state);
    std::wstring text = name != nullptr ? name : L"";
    SysFreeString(name);
    object->Release();
    return {text, state.lVal};
}

std::vector<HWND> liveRegionsChanged;

TEST_F(Window, tellsAScreenReaderTheLettersTheLabelsAndEachResultThroughALiveRegion) {
    form.input([](Form1& game) { game.Letter_Click(1); });
    const HWND window = form.handle();
    const auto [a, aState] = accessible(GetDlgItem(window, 1000));
    const auto [b, bState] = accessible(GetDlgItem(window, 1001));
    EXPECT_EQ(a, L"A");
    EXPECT_EQ(aState & STATE_SYSTEM_UNAVAILABLE, 0);
    EXPECT_EQ(b, L"B");
    EXPECT_EQ(bState & (STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_INVISIBLE),
              STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_INVISIBLE);

    constexpr DWORD kLiveRegionChanged = 0x8019;
    const HWINEVENTHOOK hook = SetWinEventHook(
        kLiveRegionChanged, kLiveRegionChanged, nullptr,
        [](HWINEVENTHOOK, DWORD, HWND control, LONG, LONG, DWORD, DWORD) {
            liveRegionsChanged.push_back(control);
        },
        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    EXPECT_EQ(accessible(control(200)).first, wideText(form.form().window().maskedWordSpoken));
    EXPECT_EQ(accessible(control(201)).first, L"Wins: 0");
    EXPECT_EQ(accessible(control(202)).first, L"Gallows, 1 of 9 pieces shown");
    form.input([](Form1& game) { game.Letter_Click('Q' - 'A'); });
    for (int wait = 0; wait < 100 && liveRegionsChanged.empty(); ++wait) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
    UnhookWinEvent(hook);
    ASSERT_EQ(liveRegionsChanged.size(), 1U);
    EXPECT_EQ(accessible(liveRegionsChanged[0]).first, wideText(form.form().window().news.text));
}

}  // namespace
