// Windows' key messages as the windows' key presses: the one place the
// Windows front end reads a key for the windows; what a press does is the
// presenter's.
#pragma once

#include "velkorn/keychord.h"

#include <windows.h>

namespace velkorn::win32 {

// The key of a key message (WM_KEYDOWN, WM_SYSKEYDOWN with Alt held, and
// their releases); no key for any other message. A key's text comes as a
// message of its own (WM_CHAR), which an Alt chord never makes.
KeyPress keyPress(const MSG& message);
bool isKeyDown(const MSG& message);
bool isKeyUp(const MSG& message);

} // namespace velkorn::win32
