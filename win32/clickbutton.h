// A label or picture that reacts to clicks, made a push button so that
// assistive technology sees a button with a default action (which does what
// a click does), drawn by its window and never taking keyboard focus. A
// click is a press and release of the left or the right button over it; the
// second press of a double click is no click. A click reaches the window as
// WM_COMMAND with BN_CLICKED, as a button's would.
#pragma once

#include <windows.h>

namespace velkorn::win32 {

// Gives an owner-drawn BUTTON control the click rules above.
void makeClickButton(HWND button);

} // namespace velkorn::win32
