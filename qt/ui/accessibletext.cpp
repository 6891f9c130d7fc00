#include "accessibletext.h"

#include "velkorn/textunits.h"

#include <algorithm>

namespace velkorn::ui {
namespace {

// step: 0 the unit at the offset, -1 the one before it, +1 the one after.
QString textUnit(const std::u32string& text, int offset, QAccessible::TextBoundaryType boundary,
                 int step, int* start, int* end) {
    const TextUnit unit = boundary == QAccessible::CharBoundary   ? TextUnit::Character
                          : boundary == QAccessible::WordBoundary ? TextUnit::Word
                                                                  : TextUnit::Line;
    const TextSpan span = velkorn::textUnit(text, offset, unit, step);
    *start = span.start;
    *end = span.end;
    return span.start < 0
               ? QString()
               : QString::fromStdU32String(text.substr(span.start, span.end - span.start));
}

} // namespace

QString CharacterText::text(int start, int end) const {
    const std::u32string all = characters();
    const int count = static_cast<int>(all.size());
    start = std::clamp(start, 0, count);
    end = std::clamp(end < 0 ? count : end, start, count);
    return QString::fromStdU32String(all.substr(start, end - start));
}

QString CharacterText::attributes(int, int* start, int* end) const {
    *start = 0;
    *end = characterCount();
    const std::string tag = language();
    return tag.empty() ? QString()
                       : QStringLiteral("language:%1;").arg(QString::fromStdString(tag));
}

QString CharacterText::textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                                    int* end) const {
    return textUnit(characters(), offset, boundary, 0, start, end);
}

QString CharacterText::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                        int* start, int* end) const {
    return textUnit(characters(), offset, boundary, -1, start, end);
}

QString CharacterText::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                                       int* start, int* end) const {
    return textUnit(characters(), offset, boundary, +1, start, end);
}

} // namespace velkorn::ui
