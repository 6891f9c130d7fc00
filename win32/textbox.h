// A text box of numbers: an EDIT control whose every entry of text (typing, input
// methods, pasting by any key or the menu, and texts that other programs
// set or insert) is checked by the window's edit rule before the control
// takes it. A keystroke that fits is the control's own (undo and all);
// anything else that fits, or that the rule cuts, is made as one
// replacement that undo takes back; what the rule refuses never reaches the
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
void makeTextBox(HWND edit, EditRule rule);

// The program's own text for the box (a click, Clear): a new undo history.
void showTextBoxText(HWND edit, const std::u16string& text, std::size_t caret);

} // namespace velkorn::win32
