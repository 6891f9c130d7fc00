// What a window asks of the application: showing and hiding the windows,
// ending the program, telling the user about an error. The presenters
// reach the application through this interface only.
#pragma once

#include "velkorn/windowid.h"

#include <string_view>

namespace velkorn {

class FormHost {
  public:
    virtual ~FormHost() = default;
    virtual void showWindow(WindowId id) = 0;
    virtual void hideWindow(WindowId id) = 0;
    virtual void endProgram() = 0;
    // A message box over the window whose action raised the error; returns
    // once the user has dismissed it, and the program goes on.
    virtual void reportError(WindowId origin, std::string_view message) = 0;
};

} // namespace velkorn
