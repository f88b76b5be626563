// The Win32 window's controls as Windows gives them: faces in outlines that Windows has, a long
// word in a size that shows it whole at 96 and 144 dots per inch, and what an accessibility
// client reads.
#include "Win32Form1.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <string>
#include <utility>
#include <vector>

#include "ChosenRandom.h"
#include "FakeHost.h"
#include "Win32Canvas.h"

namespace {

// Label1 and WinTotal, by the numbers the window gives its controls.
constexpr int kLabel1 = 200;
constexpr int kWinTotal = 201;

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

HFONT fontOf(HWND control) {
    return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
}

class Window : public testing::Test {
protected:
    HWND control(int id) const { return GetDlgItem(FindWindowW(L"ScaffleForm1", nullptr), id); }

    FakeHost host;
    ChosenRandom random;
    Win32Form1 form{GetModuleHandleW(nullptr), host, random};
};

TEST_F(Window, asksForOutlineFacesThatWindowsHas) {
    // The test prefix maps Windows' faces to Linux's, as a Windows without the design's faces
    // would give its own: the design's bitmap faces and Office's narrow one are not asked for.
    const Face letters = faceOf(win32Font(design::kLetterFont, 18));
    const Face word = faceOf(fontOf(control(kLabel1)));
    const Face wins = faceOf(fontOf(control(kWinTotal)));
    EXPECT_EQ(letters.asked, L"Times New Roman");
    EXPECT_NE(letters.got.find(L"Liberation Serif"), std::wstring::npos);
    EXPECT_EQ(word.asked, L"Arial");
    EXPECT_NE(word.got.find(L"Liberation Sans"), std::wstring::npos);
    EXPECT_TRUE(word.narrowed);
    EXPECT_EQ(wins.asked, L"Microsoft Sans Serif");
    EXPECT_NE(wins.got.find(L"Liberation Sans"), std::wstring::npos);
    EXPECT_TRUE(letters.outline && word.outline && wins.outline);
}

TEST_F(Window, showsALongWordWholeInASmallerSize) {
    const HWND label = control(kLabel1);
    for (const UINT dpi : {96U, 144U}) {
        SCOPED_TRACE(dpi);
        RECT frame{};
        GetWindowRect(FindWindowW(L"ScaffleForm1", nullptr), &frame);
        SendMessageW(FindWindowW(L"ScaffleForm1", nullptr), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&frame));
        const HFONT designed = fontOf(label);
        form.setMaskedWord("COUNTERREVOLUTIONARY");
        wchar_t shown[64] = {};
        GetWindowTextW(label, shown, 64);
        EXPECT_STREQ(shown, L"C O U N T E R R E V O L U T I O N A R Y");
        RECT box{};
        GetClientRect(label, &box);
        EXPECT_NE(fontOf(label), designed);
        EXPECT_LE(textWidth(fontOf(label), shown), box.right);
        form.setMaskedWord("OTTER");
        EXPECT_EQ(fontOf(label), designed);
    }
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

TEST_F(Window, tellsAScreenReaderTheLettersAndEachResultThroughALiveRegion) {
    form.buildKeyboard();
    form.hideLetter(1);
    const HWND window = FindWindowW(L"ScaffleForm1", nullptr);
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
    form.tell("3 of 9 pieces shown");
    for (int wait = 0; wait < 100 && liveRegionsChanged.empty(); ++wait) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
    UnhookWinEvent(hook);
    ASSERT_EQ(liveRegionsChanged.size(), 1U);
    EXPECT_EQ(accessible(liveRegionsChanged[0]).first, L"3 of 9 pieces shown");
}

}  // namespace
