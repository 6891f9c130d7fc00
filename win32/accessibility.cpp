#include "accessibility.h"

#include "dllentry.h"

// The annotation's GUIDs are defined here, not taken from oleacc.dll.
#include <initguid.h>

#include <oleacc.h>

// UI Automation's LiveSetting property, set through MSAA's annotation.
DEFINE_GUID(kLiveSettingProperty, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d,
            0x58, 0xeb);

namespace velkorn::win32 {
namespace {

constexpr LONG kPolite = 1;

// ole32 loaded by hand: linked, it would be loaded (with the libraries it
// needs) before the window could be made.
struct Com {
    HMODULE ole32 = LoadLibraryW(L"ole32.dll");
    decltype(&::CoCreateInstance) createInstance = nullptr;
    decltype(&::CoUninitialize) leave = nullptr;
    bool entered = false;

    Com() {
        if (ole32 == nullptr) {
            return;
        }
        decltype(&::CoInitializeEx) enter = nullptr;
        loadEntry(ole32, "CoInitializeEx", enter);
        loadEntry(ole32, "CoUninitialize", leave);
        loadEntry(ole32, "CoCreateInstance", createInstance);
        entered = enter != nullptr && leave != nullptr &&
                  SUCCEEDED(enter(nullptr, COINIT_APARTMENTTHREADED));
    }
    ~Com() {
        if (entered) {
            leave();
        }
    }

    static Com& get() {
        static Com com; // on the window thread, the only one that asks
        return com;
    }
};

} // namespace

bool comStarted() {
    return Com::get().entered;
}

Annotations::~Annotations() {
    if (services != nullptr) {
        services->Release();
    }
}

void Annotations::makeLiveRegion(HWND control) {
    liveRegion = control;
    Com& com = Com::get();
    void* found = nullptr;
    if (com.entered && com.createInstance != nullptr &&
        SUCCEEDED(com.createInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
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

void Annotations::showLiveText(HWND control, const std::wstring& text) {
    if (control != liveRegion) {
        makeLiveRegion(control);
    }
    SetWindowTextW(control, text.c_str());
    if (!text.empty()) {
        NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, control, OBJID_CLIENT, CHILDID_SELF);
    }
}

} // namespace velkorn::win32
