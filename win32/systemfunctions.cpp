#include "systemfunctions.h"

namespace velkorn::win32 {
namespace {

// Sets the pointer to the named function, or to null when the DLL has none.
template <typename Function> void loadEntry(HMODULE module, const char* name, Function*& entry) {
    entry = reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

struct Loaded : SystemFunctions {
    Loaded() {
        HMODULE ole32 = LoadLibraryW(L"ole32.dll");
        if (ole32 == nullptr) {
            return;
        }
        decltype(&::CoInitializeEx) enter = nullptr;
        loadEntry(ole32, "CoInitializeEx", enter);
        loadEntry(ole32, "CoUninitialize", leave);
        loadEntry(ole32, "CoCreateInstance", createInstance);
        comEntered = enter != nullptr && leave != nullptr &&
                     SUCCEEDED(enter(nullptr, COINIT_APARTMENTTHREADED));
        if (!comEntered) {
            return; // no object can be handed over without COM
        }
        if (HMODULE oleacc = LoadLibraryW(L"oleacc.dll")) {
            loadEntry(oleacc, "LresultFromObject", resultFromObject);
            loadEntry(oleacc, "AccessibleObjectFromWindow", objectFromWindow);
            loadEntry(oleacc, "CreateStdAccessibleObject", standardObject);
        }
        if (HMODULE oleaut = LoadLibraryW(L"oleaut32.dll")) {
            loadEntry(oleaut, "SysAllocString", allocString);
        }
    }
    ~Loaded() {
        if (comEntered) {
            leave();
        }
    }

    decltype(&::CoUninitialize) leave = nullptr;
};

} // namespace

const SystemFunctions& systemFunctions() {
    static const Loaded loaded;
    return loaded;
}

} // namespace velkorn::win32
