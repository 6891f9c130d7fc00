#include "velkorn/captionfit.h"

#include <algorithm>
#include <cmath>

namespace velkorn {

double fittedPointSize(const std::u16string& text, double pointSize, double width,
                       const CaptionMeasure& measure) {
    const double needed = measure(text, pointSize);
    if (needed <= width) {
        return pointSize;
    }
    double size = std::max(pointSize * width / needed, kSmallestPointSize);
    // Whole quarter points keep the sizes (and the fonts made for them) few.
    size = std::max(static_cast<int>(size * 4) / 4.0, kSmallestPointSize);
    while (size > kSmallestPointSize && measure(text, size) > width) {
        size = std::max(size - 0.25, kSmallestPointSize);
    }
    return size;
}

namespace {

// Characters that shape one by one in any Latin face, but for kerning
// and ligatures between neighbours: printable Latin-1 and the narrow
// no-break space of some regional times. The soft hyphen, which is drawn
// only at a line's end, is not among them.
bool composable(char16_t code) {
    return (code >= 0x20 && code <= 0x7E) || (code >= 0xA0 && code <= 0xFF && code != 0xAD) ||
           code == 0x202F;
}

} // namespace

double CaptionWidths::whole(const std::u16string& text, double pointSize) {
    ++shaped;
    return shape(text, pointSize);
}

double CaptionWidths::single(Size& size, char16_t c, double pointSize) {
    const auto found = size.singles.find(c);
    if (found != size.singles.end()) {
        return found->second;
    }
    return size.singles[c] = whole(std::u16string(1, c), pointSize);
}

double CaptionWidths::pair(Size& size, char16_t first, char16_t second, double pointSize,
                           bool& learned) {
    const std::uint32_t key = (std::uint32_t{first} << 16) | second;
    const auto found = size.pairs.find(key);
    if (found != size.pairs.end()) {
        return found->second;
    }
    learned = true;
    return size.pairs[key] = whole(std::u16string{first, second}, pointSize);
}

double CaptionWidths::operator()(const std::u16string& text, double pointSize) {
    Size& at = sizes[std::lround(pointSize * 100)];
    if (!pairsLearned || !at.pairsAgree || text.size() < 2 ||
        !std::all_of(text.begin(), text.end(), composable)) {
        return whole(text, pointSize);
    }
    // Each pair's width holds both its characters; those inside the text
    // are counted twice.
    bool learned = false;
    double sum = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        sum += pair(at, text[i], text[i + 1], pointSize, learned);
    }
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        sum -= single(at, text[i], pointSize);
    }
    if (learned) {
        // Widths are whole 64ths of a pixel: the sums are exact.
        const double measured = whole(text, pointSize);
        if (std::abs(measured - sum) > 1e-9) {
            at.pairsAgree = false;
            return measured;
        }
    }
    return sum;
}

} // namespace velkorn
