// What a window asks of the application: showing and hiding the windows,
// ending the program, telling the user about an error. The presenters
// reach the application through this interface only.
#pragma once

#include "velkorn/windowid.h"

#include <functional>
#include <string_view>

namespace velkorn {

class FormHost {
  public:
    virtual ~FormHost() = default;
    virtual void showWindow(WindowId id) = 0;
    virtual void hideWindow(WindowId id) = 0;
    virtual void endProgram() = 0;
    // A message box over the window whose action raised the error. It may
    // return at once (a front end whose dialogs do not block) or once the
    // box is gone; either way `dismissed` runs when the user has dismissed
    // it, and the program goes on.
    virtual void reportError(WindowId origin, std::string_view message,
                             std::function<void()> dismissed) = 0;
};

} // namespace velkorn
