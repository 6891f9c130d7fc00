#include "accessibility.h"

// The annotation's GUIDs are defined here, not taken from oleacc.dll.
#include <initguid.h>

#include <oleacc.h>

// UI Automation's LiveSetting property, set through MSAA's annotation.
DEFINE_GUID(kLiveSettingProperty, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d,
            0x58, 0xeb);

namespace velkorn::win32 {
namespace {

constexpr LONG kPolite = 1;

} // namespace


Annotations::Annotations() {
    void* found = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, &found))) {
        services = static_cast<IAccPropServices*>(found);
    }
}

Annotations::~Annotations() {
    if (services != nullptr) {
        services->Release();
    }
}

void Annotations::makeLiveRegion(HWND control) {
    if (services != nullptr) {
        VARIANT polite{}; // VariantInit would import OLEAUT32 for this
        polite.vt = VT_I4;
        polite.lVal = kPolite;
        services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                              kLiveSettingProperty, polite);
    }
}

void Annotations::announce(HWND liveRegion, const std::wstring& text) {
    SetWindowTextW(liveRegion, text.c_str());
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, liveRegion, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace velkorn::win32
