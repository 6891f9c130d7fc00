#include "velkorn/textunits.h"

#include <vector>

namespace velkorn {
namespace {

bool isSpace(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\u00A0' || c == U'\u3000';
}

// The text cut into units, each from its start to the next unit's start.
std::vector<TextSpan> units(std::u32string_view text, TextUnit unit) {
    const int count = static_cast<int>(text.size());
    std::vector<TextSpan> result;
    if (unit == TextUnit::Character) {
        for (int i = 0; i < count; ++i) {
            result.push_back({i, i + 1});
        }
        return result;
    }
    if (unit == TextUnit::Line) {
        if (count > 0) {
            result.push_back({0, count});
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

TextSpan textUnit(std::u32string_view text, int offset, TextUnit unit, int step) {
    const std::vector<TextSpan> spans = units(text, unit);
    const int count = static_cast<int>(text.size());
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
        if (unit == TextUnit::Character || spans.empty()) {
            if (step == 0) {
                return {count, count};
            }
            index = static_cast<int>(spans.size()); // past the last
        } else {
            index = static_cast<int>(spans.size()) - 1;
        }
    }
    index += step;
    if (index < 0 || index >= static_cast<int>(spans.size())) {
        return {};
    }
    return spans[index];
}

} // namespace velkorn
