// The windows' icons, by the file name the descriptions give: each is an
// icon resource of the executable, by number (see velkorn-calculator.rc).
#pragma once

#include <windows.h>

#include <string_view>

namespace velkorn::win32 {

inline HICON loadIcon(std::string_view file, int size) {
    const int number = file == "help.ico" ? 2 : file == "about.ico" ? 3 : 1;
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(number),
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

} // namespace velkorn::win32
