// How screen readers see the labels and picture buttons of the cards: one
// that reacts to clicks is a push button, named by its tool tip, whose press
// action does exactly what a click does. It still takes no keyboard focus
// and looks as before. One of a set of choices is a radio button instead,
// checked when chosen. Other labels stay what Qt makes of them (text or a
// picture).
#pragma once

class QAccessibleInterface;

namespace velkorn::ui {

class ClickLabel;

QAccessibleInterface* clickLabelAccessible(ClickLabel* clickLabel);

} // namespace velkorn::ui
