// How screen readers meet a card and its controls: as the presenter's
// accessible tree has them, the card a window or a dialog described by
// what it shows, its controls in reading order (not in the order they are
// stacked, which only decides who takes a press where two overlap).
#pragma once

class QAccessibleInterface;
class QWidget;

namespace velkorn {
struct AccessibleItem;
}

namespace velkorn::ui {

class CardWindow;
class ClickLabel;
class TextBox;

QAccessibleInterface* cardAccessible(CardWindow* card);
QAccessibleInterface* clickLabelAccessible(ClickLabel* clickLabel);
QAccessibleInterface* textBoxAccessible(TextBox* textBox);

// The accessible tree's item of one of a card's controls; null for a
// widget that is none.
const AccessibleItem* accessibleItem(const QWidget* control);

} // namespace velkorn::ui
