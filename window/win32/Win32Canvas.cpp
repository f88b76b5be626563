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

struct Face {
    std::wstring family;
    // Of the family's own width: a narrow face stood in for by a narrowed one.
    int widthPercent;
};

// What every Windows 10 and 11 has in outlines, for the design's faces, which came with
// older Windows ("MS Serif", "MS Sans Serif") or come with Office ("Arial Narrow").
Face windowsStandIn(const design::Font& font) {
    const std::string_view family = font.family;
    if (family == "MS Serif") {
        return {L"Times New Roman", 100};
    }
    if (family == "MS Sans Serif") {
        return {L"Microsoft Sans Serif", 100};
    }
    if (family == "Arial Narrow") {
        return {L"Arial", 82};
    }
    return {wideText(font.family), 100};
}

// The design's face, else Windows' stand-in, else the metric-compatible one that Linux has
// (Wine's), each only where the system has it in outlines.
Face faceFor(const design::Font& font) {
    const std::wstring designed = wideText(font.family);
    if (outlineFontExists(designed)) {
        return {designed, 100};
    }
    const Face standIn = windowsStandIn(font);
    if (outlineFontExists(standIn.family)) {
        return standIn;
    }
    const std::wstring liberation = wideText(font.substitute);
    return outlineFontExists(liberation) ? Face{liberation, 100} : standIn;
}

HFONT createFont(const Face& face, const design::Font& font, int pixels, int width) {
    return CreateFontW(-pixels, width, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_OUTLINE_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH, face.family.c_str());
}

}  // namespace

COLORREF win32Colour(design::Rgb rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

HFONT win32Font(const design::Font& font, int pixels) {
    static std::map<const design::Font*, Face> faces;
    static std::map<std::pair<const design::Font*, int>, HFONT> fonts;
    HFONT& made = fonts[{&font, pixels}];
    if (made == nullptr) {
        const auto known = faces.try_emplace(&font);
        Face& face = known.first->second;
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
