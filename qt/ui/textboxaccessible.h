// How screen readers see a number box: editable text, named by the window,
// whose text queries Qt 6.4 answers wrongly or never (the word at the end
// of the text sends its own answer into an endless loop; attribute runs
// are empty, so a screen reader reads one character on focus). This
// interface answers every text query itself, at once, in characters (code
// points, which is what AT-SPI counts, not UTF-16 units; see
// accessibletext.h), and the whole text is one run of attributes.
#pragma once

class QAccessibleInterface;

namespace velkorn::ui {

class TextBox;

QAccessibleInterface* textBoxAccessible(TextBox* textBox);

} // namespace velkorn::ui
