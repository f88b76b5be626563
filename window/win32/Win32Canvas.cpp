#include "Win32Canvas.h"

#include <map>
#include <string>
#include <utility>

#include "WideText.h"

namespace {

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

}  // namespace

COLORREF win32Colour(design::Rgb rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

HFONT win32Font(const design::Font& font, int pixels) {
    static std::map<std::pair<const design::Font*, int>, HFONT> fonts;
    HFONT& made = fonts[{&font, pixels}];
    if (made == nullptr) {
        const std::wstring family = wideText(font.family);
        const std::wstring face = fontExists(family.c_str()) ? family : wideText(font.substitute);
        made = CreateFontW(-pixels, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           CLEARTYPE_QUALITY, DEFAULT_PITCH, face.c_str());
    }
    return made;
}

Win32Canvas::Win32Canvas(HDC dc) : dc_(dc), oldFont_(GetCurrentObject(dc, OBJ_FONT)) {
    SetBkMode(dc_, TRANSPARENT);
}

Win32Canvas::~Win32Canvas() {
    SelectObject(dc_, oldFont_);
}

void Win32Canvas::fill(const PixelRect& rect, design::Rgb colour) {
    const RECT area{rect.left, rect.top, rect.right(), rect.bottom()};
    SetDCBrushColor(dc_, win32Colour(colour));
    FillRect(dc_, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Win32Canvas::text(const PixelRect& box, std::string_view text, const design::Font& font,
                       int fontPixels, design::Rgb ink) {
    SelectObject(dc_, win32Font(font, fontPixels));
    SetTextColor(dc_, win32Colour(ink));
    RECT area{box.left, box.top, box.right(), box.bottom()};
    const std::wstring wide = wideText(text);
    DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
