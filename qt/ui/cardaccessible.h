// How screen readers meet a card's controls: in the reading order its
// description gives (row by row, keypad by keypad on the main window),
// not in the order the controls are stacked, which only decides who takes
// a press where two overlap.
#pragma once

namespace velkorn::ui {

// Registers the factory with Qt's accessibility; safe to call repeatedly.
void installCardAccessibility();

} // namespace velkorn::ui
