// Windows' key messages as the windows' key chords: the one place the
// Windows front end reads a key for the windows; what a chord does is the
// presenter's.
#pragma once

#include "velkorn/keychord.h"

#include <windows.h>

namespace velkorn::win32 {

// The chord of a WM_KEYDOWN or WM_SYSKEYDOWN (Alt held); Key::None for
// any other message.
KeyChord keyChord(const MSG& message);

} // namespace velkorn::win32
