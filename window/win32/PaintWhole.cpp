#include "PaintWhole.h"

namespace {

// A bitmap of a screen's kind to paint into.
class OffScreen {
public:
    OffScreen(HDC screen, int width, int height)
        : dc_(CreateCompatibleDC(screen)),
          bitmap_(CreateCompatibleBitmap(screen, width, height)),
          screenBitmap_(SelectObject(dc_, bitmap_)) {}
    ~OffScreen() {
        SelectObject(dc_, screenBitmap_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    OffScreen(const OffScreen&) = delete;
    OffScreen& operator=(const OffScreen&) = delete;

    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ screenBitmap_;
};

RECT clientArea(HWND window) {
    RECT area;
    GetClientRect(window, &area);
    return area;
}

// Painted at the bitmap's corner, as a control paints itself, then copied to its place.
void printControl(HWND control, HWND window, HDC screen, HDC picture) {
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    const RECT area = clientArea(control);
    const OffScreen print(screen, area.right, area.bottom);
    SendMessageW(control, WM_PRINT, reinterpret_cast<WPARAM>(print.dc()),
                 PRF_ERASEBKGND | PRF_CLIENT);
    BitBlt(picture, place.left, place.top, area.right, area.bottom, print.dc(), 0, 0, SRCCOPY);
}

}  // namespace

void paintWhole(HWND window) {
    const RECT area = clientArea(window);
    const HDC screen = GetDCEx(window, nullptr, DCX_CACHE);  // the controls' places included
    {
        const OffScreen picture(screen, area.right, area.bottom);
        SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(picture.dc()),
                     PRF_ERASEBKGND | PRF_CLIENT);
        for (HWND control = GetWindow(window, GW_CHILD); control != nullptr;
             control = GetWindow(control, GW_HWNDNEXT)) {
            if (IsWindowVisible(control)) {
                printControl(control, window, screen, picture.dc());
            }
        }
        BitBlt(screen, 0, 0, area.right, area.bottom, picture.dc(), 0, 0, SRCCOPY);
    }
    ReleaseDC(window, screen);
    RedrawWindow(window, nullptr, nullptr, RDW_VALIDATE | RDW_ALLCHILDREN);
}
