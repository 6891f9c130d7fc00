// Text queries of screen readers answered over a plain text, in characters
// (code points, what AT-SPI counts), as the presenters cut a text into
// units (velkorn/textunits.h). Nothing there is the span (-1, -1), as Qt
// writes it.
#pragma once

#include <QAccessible>
#include <QString>

#include <string>

namespace velkorn::ui {

// step: 0 the unit at the offset, -1 the one before it, +1 the one after.
QString textUnit(const std::u32string& text, int offset, QAccessible::TextBoundaryType boundary,
                 int step, int* start, int* end);

} // namespace velkorn::ui
