// Names a control for screen readers where its window text cannot (an EDIT
// box's text is its value): Microsoft Active Accessibility's dynamic
// annotation, reached through COM, so that the program links no further DLL.
#pragma once

#include <windows.h>

#include <string>

namespace velkorn::win32 {

void setAccessibleName(HWND control, const std::wstring& name);

} // namespace velkorn::win32
