// How screen readers see the labels, pictures and picture texts of the
// cards: their accessible tree item bridged to Qt, role, name,
// description, shortcut and states as the presenter's tree has them. A
// control that takes clicks has a press action that does what a click
// does; a label's caption, a picture text and a picture that says
// something in a language of its own are read-only text, so that the
// clock keeps its name ("Time") while its text changes every second.
#pragma once

class QAccessibleInterface;

namespace velkorn::ui {

class ClickLabel;

QAccessibleInterface* clickLabelAccessible(ClickLabel* clickLabel);

} // namespace velkorn::ui
