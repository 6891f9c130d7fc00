#include "accessibletext.h"

#include "velkorn/textunits.h"

namespace velkorn::ui {

QString textUnit(const std::u32string& text, int offset, QAccessible::TextBoundaryType boundary,
                 int step, int* start, int* end) {
    const TextUnit unit = boundary == QAccessible::CharBoundary   ? TextUnit::Character
                          : boundary == QAccessible::WordBoundary ? TextUnit::Word
                                                                  : TextUnit::Line;
    const TextSpan span = velkorn::textUnit(text, offset, unit, step);
    *start = span.start;
    *end = span.end;
    return span.start < 0 ? QString()
                          : QString::fromStdU32String(text.substr(span.start, span.end - span.start));
}

} // namespace velkorn::ui
