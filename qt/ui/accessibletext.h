// Text queries of screen readers answered over a plain text, in characters
// (code points, what AT-SPI counts): the unit at, before or after an
// offset for a boundary. Words are runs of characters between spaces, with
// the spaces after them; a one-line text is also its sentence and
// paragraph. Nothing there is the span (-1, -1), as Qt writes it.
#pragma once

#include <QAccessible>
#include <QString>

#include <string>

namespace velkorn::ui {

// step: 0 the unit at the offset, -1 the one before it, +1 the one after.
// At the end of the text the unit at the offset is the last one, so that
// "the word at the caret" after typing is the word just typed.
QString textUnit(const std::u32string& text, int offset, QAccessible::TextBoundaryType boundary,
                 int step, int* start, int* end);

} // namespace velkorn::ui
