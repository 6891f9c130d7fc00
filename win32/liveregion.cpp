#include "liveregion.h"

// The annotation's GUIDs are defined here, not taken from oleacc.dll:
// before anything else brings in oleacc.h without them.
#include <initguid.h>

#include <oleacc.h>

#include "systemfunctions.h"

// UI Automation's LiveSetting property, set through MSAA's annotation.
DEFINE_GUID(kLiveSettingProperty, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d,
            0x58, 0xeb);

namespace velkorn::win32 {
namespace {

constexpr LONG kPolite = 1;

} // namespace

LiveRegion::~LiveRegion() {
    if (services != nullptr) {
        services->Release();
    }
}

void LiveRegion::makeLiveRegion(HWND control) {
    madeLive = control;
    const SystemFunctions& system = systemFunctions();
    void* found = nullptr;
    if (system.comEntered && system.createInstance != nullptr &&
        SUCCEEDED(system.createInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_IAccPropServices, &found))) {
        services = static_cast<IAccPropServices*>(found);
    }
    if (services != nullptr) {
        VARIANT polite{}; // VariantInit would import OLEAUT32 for this
        polite.vt = VT_I4;
        polite.lVal = kPolite;
        services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                              kLiveSettingProperty, polite);
    }
}

void LiveRegion::showText(HWND control, const std::wstring& text) {
    if (control != madeLive) {
        makeLiveRegion(control);
    }
    SetWindowTextW(control, text.c_str());
    if (!text.empty()) {
        NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, control, OBJID_CLIENT, CHILDID_SELF);
    }
}

} // namespace velkorn::win32
