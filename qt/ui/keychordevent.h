// Qt's key events as the windows' key presses: the one place the Qt front
// end reads a key; what a chord does is the presenter's.
#pragma once

#include "velkorn/keychord.h"

class QKeyEvent;

namespace velkorn::ui {

KeyPress keyPress(const QKeyEvent& event);

} // namespace velkorn::ui
