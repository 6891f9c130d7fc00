// The system functions the program needs only once a screen reader asks or
// the first announcement is made: COM (ole32), MSAA (oleacc) and its
// strings (oleaut32), loaded by hand on first use and entered once on the
// window thread. Linked, they would be loaded (with the libraries they
// need) before the window could be made; a session without a screen reader
// never loads them.
#pragma once

#include <windows.h>

#include <oleacc.h>

namespace velkorn::win32 {

struct SystemFunctions {
    // ole32; COM's apartment entered on the window thread, left at exit.
    bool comEntered = false;
    decltype(&::CoCreateInstance) createInstance = nullptr;
    // oleacc and oleaut32, null without COM.
    decltype(&::LresultFromObject) resultFromObject = nullptr;
    decltype(&::AccessibleObjectFromWindow) objectFromWindow = nullptr;
    decltype(&::CreateStdAccessibleObject) standardObject = nullptr;
    BSTR(WINAPI* allocString)(const OLECHAR*) = nullptr;

    // Whether a screen reader can be answered.
    bool accessible() const {
        return resultFromObject != nullptr && objectFromWindow != nullptr &&
               standardObject != nullptr && allocString != nullptr;
    }
};

// Loaded on the first call, from the window thread, the only one that asks.
const SystemFunctions& systemFunctions();

} // namespace velkorn::win32
