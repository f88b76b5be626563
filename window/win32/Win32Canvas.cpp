#include "Win32Canvas.h"

#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "WideText.h"

namespace {

// Whether the system has the family in outlines: a bitmap face, as Windows' own "MS Sans Serif"
// and "MS Serif" are, scales in coarse steps and looks jagged on a high-dpi screen.
bool outlineFontExists(const std::wstring& family) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, family.c_str(), LF_FACESIZE - 1);
    bool found = false;
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(
        screen, &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD type, LPARAM found) {
            if ((type & RASTER_FONTTYPE) == 0) {
                *reinterpret_cast<bool*>(found) = true;
                return 0;
            }
            return 1;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// The design's face, else its stand-ins in their order, each only where the system has it in
// outlines; the first stand-in where it has none of them.
design::Face faceFor(const design::Font& font) {
    if (outlineFontExists(wideText(font.family))) {
        return {font.family, 100};
    }
    for (const design::Face& standIn : font.standIns) {
        if (outlineFontExists(wideText(standIn.family))) {
            return standIn;
        }
    }
    return font.standIns.front();
}

HFONT createFont(const design::Face& face, const design::Font& font, int pixels, int width) {
    return CreateFontW(-pixels, width, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_OUTLINE_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH, wideText(face.family).c_str());
}

}  // namespace

COLORREF win32Colour(design::Rgb rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

HFONT win32Font(const design::Font& font, int pixels) {
    static std::map<const design::Font*, design::Face> faces;
    static std::map<std::pair<const design::Font*, int>, HFONT> fonts;
    HFONT& made = fonts[{&font, pixels}];
    if (made == nullptr) {
        const auto known = faces.try_emplace(&font);
        design::Face& face = known.first->second;
        if (known.second) {
            face = faceFor(font);
        }
        made = createFont(face, font, pixels, 0);
        if (face.widthPercent != 100) {
            TEXTMETRICW metrics{};
            const HDC screen = GetDC(nullptr);
            const HGDIOBJ old = SelectObject(screen, made);
            GetTextMetricsW(screen, &metrics);
            SelectObject(screen, old);
            ReleaseDC(nullptr, screen);
            DeleteObject(made);
            made = createFont(face, font, pixels,
                              (metrics.tmAveCharWidth * face.widthPercent + 50) / 100);
        }
    }
    return made;
}

int textWidth(HFONT font, const std::wstring& text) {
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(screen, font);
    SIZE size{};
    GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return size.cx;
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
