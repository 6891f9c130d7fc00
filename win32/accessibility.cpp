#include "accessibility.h"

// The annotation's GUIDs are defined here, not taken from oleacc.dll.
#include <initguid.h>

#include <oleacc.h>

namespace velkorn::win32 {

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

void Annotations::setName(HWND control, const std::wstring& name) {
    if (services != nullptr) {
        services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 PROPID_ACC_NAME, name.c_str());
    }
}

void Annotations::setDescription(HWND control, const std::wstring& description) {
    if (services != nullptr) {
        services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 PROPID_ACC_DESCRIPTION, description.c_str());
    }
}

} // namespace velkorn::win32
