// A number box: an EDIT control whose typed and pasted text is checked by
// the window's edit rule before the control takes it. An edit that fits is
// the control's own (undo and all); one the rule cuts is made instead as
// one replacement that undo takes back; one it refuses never reaches the
// control, which keeps its text, caret and undo history.
#pragma once

#include "velkorn/boxedit.h"

#include <windows.h>

#include <functional>
#include <string>

namespace velkorn::win32 {

// The text an edit would leave and the caret after it (UTF-16 units).
using EditRule = std::function<BoxEditDecision(const std::u16string& after, std::size_t caret)>;

// Gives an EDIT control the rule; it lasts as long as the control.
void makeNumberBox(HWND edit, EditRule rule);

} // namespace velkorn::win32
