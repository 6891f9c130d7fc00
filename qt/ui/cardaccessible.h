// How screen readers meet a card's controls: in the reading order its
// description gives (row by row, keypad by keypad on the main window),
// not in the order the controls are stacked, which only decides who takes
// a press where two overlap. Help and About are dialogs described by the
// text they show, which is all they have to say.
#pragma once

class QAccessibleInterface;
class QWidget;

namespace velkorn {
struct ControlDescription;
}

namespace velkorn::ui {

class CardWindow;

QAccessibleInterface* cardAccessible(CardWindow* card);

// What the card's description says of one of its controls; null for a
// widget that is not a card's control.
const ControlDescription* controlDescription(const QWidget* control);

} // namespace velkorn::ui
