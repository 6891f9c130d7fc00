#include "velkorn/boxedit.h"

#include "velkorn/calculator_engine.h"
#include "velkorn/utf8_text.h"

#include <algorithm>

namespace velkorn {
namespace {

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

bool hasLoneSurrogate(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            ++i;
        } else if (isHighSurrogate(text[i]) || isLowSurrogate(text[i])) {
            return true;
        }
    }
    return false;
}

bool isControl(char16_t unit) {
    return unit < 0x20 || unit == 0x7F;
}

// Units [from, to) of `before` replaced by `text`, located as fitEdit
// locates an edit: what follows the caret is the untouched end of `before`.
struct Insertion {
    std::size_t from = 0;
    std::size_t to = 0;
    std::u16string_view text;
};

Insertion locateInsertion(std::u16string_view before, std::u16string_view after,
                          std::size_t caret) {
    const std::u16string_view head = after.substr(0, caret);
    const std::u16string_view tail = after.substr(caret);
    if (!before.ends_with(tail)) {
        return {0, before.size(), after};
    }
    const std::size_t end = before.size() - tail.size();
    std::size_t start = 0;
    while (start < end && start < head.size() && before[start] == head[start]) {
        ++start;
    }
    if (start > 0 && isHighSurrogate(before[start - 1])) {
        --start; // never between the two halves of one character
    }
    return {start, end, head.substr(start)};
}

BoxEditDecision refused() {
    BoxEditDecision decision;
    decision.verdict = EditVerdict::Refuse;
    return decision;
}

BoxEditDecision fitToLength(std::u16string_view before, std::u16string_view after,
                            std::size_t caret) {
    const std::string before8 = toUtf8(before);
    const std::string after8 = toUtf8(after);
    const std::size_t caret8 = toUtf8(after.substr(0, caret)).size();
    const FittedEdit fitted = fitEdit(before8, after8, caret8, kMaxBoxLength);
    if (fitted.text == after8) {
        return {};
    }
    if (fitted.text == before8) {
        return refused();
    }
    const auto units = [&before8](std::size_t bytes) {
        return toUtf16(std::string_view(before8).substr(0, bytes)).size();
    };
    BoxEditDecision decision;
    decision.verdict = EditVerdict::Cut;
    decision.from = units(fitted.replaceFrom);
    decision.to = units(fitted.replaceTo);
    decision.inserted = toUtf16(fitted.inserted);
    return decision;
}

} // namespace

BoxEditDecision decideBoxEdit(std::u16string_view before, std::u16string_view after,
                              std::size_t caret) {
    caret = std::min(caret, after.size());
    if (hasLoneSurrogate(after)) {
        return refused();
    }
    const Insertion insertion = locateInsertion(before, after, caret);
    const std::u16string_view line =
        insertion.text.substr(0, insertion.text.find_first_of(u"\r\n"));
    if (std::any_of(line.begin(), line.end(), isControl)) {
        return refused();
    }
    if (line.size() == insertion.text.size()) {
        return fitToLength(before, after, caret);
    }
    // Only the first line goes in, and then only as much of it as fits.
    const std::u16string kept = std::u16string(before.substr(0, insertion.from)) +
                                std::u16string(line) + std::u16string(before.substr(insertion.to));
    if (kept == before) {
        return refused();
    }
    BoxEditDecision decision = fitToLength(before, kept, insertion.from + line.size());
    if (decision.verdict == EditVerdict::Accept) {
        decision.verdict = EditVerdict::Cut;
        decision.from = insertion.from;
        decision.to = insertion.to;
        decision.inserted = line;
    }
    return decision;
}

namespace {

bool isSpace(char16_t unit) {
    return unit == u' ' || unit == 0xA0 || unit == 0x3000;
}

// Digits, letters and everything outside ASCII count as word characters.
bool isWordUnit(char16_t unit) {
    return unit >= 0x80 || (unit >= u'0' && unit <= u'9') || (unit >= u'a' && unit <= u'z') ||
           (unit >= u'A' && unit <= u'Z') || unit == u'_';
}

} // namespace

std::size_t previousWordStart(std::u16string_view text, std::size_t caret) {
    caret = std::min(caret, text.size());
    while (caret > 0 && isSpace(text[caret - 1])) {
        --caret;
    }
    const bool word = caret > 0 && isWordUnit(text[caret - 1]);
    while (caret > 0 && !isSpace(text[caret - 1]) && isWordUnit(text[caret - 1]) == word) {
        --caret;
    }
    return caret;
}

} // namespace velkorn
