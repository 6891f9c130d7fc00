// What a window asks of the application: showing and hiding the other
// windows, ending the program, telling the user about an error. The windows
// reach the application through this interface only; they never include it.
#pragma once

#include "velkorn/windowid.h"

#include <windows.h>

#include <exception>

namespace velkorn::win32 {

class FormHost {
  public:
    virtual ~FormHost() = default;
    virtual void showWindow(WindowId id) = 0;
    virtual void hideWindow(WindowId id) = 0;
    virtual void endProgram() = 0;
    // A message box over the window whose click raised the error; the
    // program then goes on.
    virtual void reportError(const std::exception& error, HWND owner) = 0;
};

} // namespace velkorn::win32
