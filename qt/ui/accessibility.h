// What screen readers see of the windows, beyond what Qt makes of its own
// widgets: the cards in reading order, the labels and picture buttons, the
// number boxes' text and the announcements (see each class's file). One
// factory makes them all.
//
// What Qt 6.4 tells them is also mended on the way out: a box's text set
// by the program reaches them as the characters that changed, not as the
// whole text replaced (see velkorn/textchange.h), and a control shown or
// hidden changes its "visible" state along with "showing" on the AT-SPI
// bus. Qt's bridge sends "showing" alone, and a screen reader that caches
// states (Orca does) keeps the control invisible, or visible, for good.
#pragma once

class QWidget;

namespace velkorn::ui {

// Registers the factory with Qt's accessibility, and the mending on top of
// whatever update handler is installed; safe to call repeatedly.
void installAccessibility();

// Tells screen readers that the control was shown or hidden. A dialog's
// description (the text it shows) changes with it unannounced: a screen
// reader would read the whole card again (the presenter announces what
// changed).
void notifyVisibilityChanged(QWidget* control);

} // namespace velkorn::ui
