// A function of a DLL loaded by hand, into a pointer of its own type.
#pragma once

#include <windows.h>

namespace velkorn::win32 {

// Sets the pointer to the named function, or to null when the DLL has none.
template <typename Function> void loadEntry(HMODULE module, const char* name, Function*& entry) {
    entry = reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace velkorn::win32
