#include "LiveRegion.h"

#include <functional>

namespace {

// From the UI Automation headers, which mingw-w64 does not have.
constexpr GUID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;
constexpr DWORD kLiveRegionChanged = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED

// Gives the control's accessible object a property, where the system has accessibility
// services; where it has none, there is nobody to speak to.
void annotate(const std::function<void(IAccPropServices&)>& set) {
    IAccPropServices* properties = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, reinterpret_cast<void**>(&properties)))) {
        set(*properties);
        properties->Release();
    }
}

}  // namespace

void makeLiveRegion(HWND control) {
    annotate([control](IAccPropServices& properties) {
        VARIANT polite;
        VariantInit(&polite);
        polite.vt = VT_I4;
        polite.lVal = kPolite;
        properties.SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                               kLiveSettingProperty, polite);
    });
}

void tellScreenReaders(HWND control, MSAAPROPID property, const std::wstring& text) {
    annotate([&](IAccPropServices& properties) {
        properties.SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property,
                                  text.c_str());
    });
}

void announce(HWND control, const std::wstring& text) {
    SetWindowTextW(control, text.c_str());
    NotifyWinEvent(kLiveRegionChanged, control, OBJID_CLIENT, CHILDID_SELF);
}
