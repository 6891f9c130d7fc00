#include "accessiblename.h"

// The annotation's GUIDs are defined here, not taken from oleacc.dll.
#include <initguid.h>

#include <oleacc.h>

namespace velkorn::win32 {

void setAccessibleName(HWND control, const std::wstring& name) {
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
        return; // no accessibility on this system: nothing to name
    }
    services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                             PROPID_ACC_NAME, name.c_str());
    services->Release();
}

} // namespace velkorn::win32
