#include "accessibletext.h"

#include <vector>

namespace velkorn::ui {
namespace {

// A span of characters, or none (-1, -1) as Qt writes it.
struct Span {
    int start = -1;
    int end = -1;
};

bool isSpace(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\u00A0' || c == U'\u3000';
}

// The text cut into the units of a boundary, each from its start to the
// next unit's start: characters, or words with the spaces after them (a
// space run before the first word is a unit of its own).
std::vector<Span> units(const std::u32string& text, QAccessible::TextBoundaryType boundary) {
    const int count = static_cast<int>(text.size());
    std::vector<Span> result;
    if (boundary == QAccessible::CharBoundary) {
        for (int i = 0; i < count; ++i) {
            result.push_back({i, i + 1});
        }
        return result;
    }
    if (boundary != QAccessible::WordBoundary) {
        if (count > 0) {
            result.push_back({0, count}); // one line, sentence, paragraph
        }
        return result;
    }
    int start = 0;
    for (int i = 1; i <= count; ++i) {
        const bool wordStarts = i < count && !isSpace(text[i]) && isSpace(text[i - 1]);
        if (wordStarts || i == count) {
            result.push_back({start, i});
            start = i;
        }
    }
    return result;
}

} // namespace

QString textUnit(const std::u32string& all, int offset, QAccessible::TextBoundaryType boundary,
             int step, int* start, int* end) {
    const std::vector<Span> spans = units(all, boundary);
    *start = *end = -1;
    const int count = static_cast<int>(all.size());
    if (offset < 0 || offset > count) {
        return {};
    }
    int index = -1;
    for (int i = 0; i < static_cast<int>(spans.size()); ++i) {
        if (spans[i].start <= offset && offset < spans[i].end) {
            index = i;
        }
    }
    if (index < 0) { // the end of the text
        if (boundary == QAccessible::CharBoundary || spans.empty()) {
            index = static_cast<int>(spans.size()); // past the last
            if (step == 0) {
                *start = *end = count;
                return {};
            }
        } else {
            index = static_cast<int>(spans.size()) - 1;
        }
    }
    index += step;
    if (index < 0 || index >= static_cast<int>(spans.size())) {
        return {};
    }
    *start = spans[index].start;
    *end = spans[index].end;
    return QString::fromStdU32String(all.substr(*start, *end - *start));
}

} // namespace velkorn::ui
