// What screen readers see of the windows, beyond what Qt makes of its own
// widgets: the cards in reading order, the labels and picture buttons, the
// number boxes' text and the announcements (see each class's file). One
// factory makes them all.
#pragma once

namespace velkorn::ui {

// Registers the factory with Qt's accessibility; safe to call repeatedly.
void installAccessibility();

} // namespace velkorn::ui
