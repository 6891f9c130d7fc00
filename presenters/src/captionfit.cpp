#include "velkorn/captionfit.h"

#include <algorithm>

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

} // namespace velkorn
