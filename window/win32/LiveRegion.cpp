#include "LiveRegion.h"

#include <oleacc.h>

namespace {

// From the UI Automation headers, which mingw-w64 does not have.
constexpr GUID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;
constexpr DWORD kLiveRegionChanged = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED

}  // namespace

void makeLiveRegion(HWND control) {
    IAccPropServices* properties = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&properties)))) {
        return;  // no accessibility services: nobody to speak to
    }
    VARIANT polite;
    VariantInit(&polite);
    polite.vt = VT_I4;
    polite.lVal = kPolite;
    properties->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                            kLiveSettingProperty, polite);
    properties->Release();
}

void announce(HWND control, const std::wstring& text) {
    SetWindowTextW(control, text.c_str());
    NotifyWinEvent(kLiveRegionChanged, control, OBJID_CLIENT, CHILDID_SELF);
}
