// UTF-8 (the core's and the descriptions' text) to UTF-16 (the Win32
// API's), and a window's text.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace velkorn::win32 {

std::wstring widen(std::string_view utf8);
std::wstring windowText(HWND window);

} // namespace velkorn::win32
