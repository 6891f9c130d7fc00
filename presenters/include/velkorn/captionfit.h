// How a caption too wide for its label is shown: smaller, never cut off,
// down to 6 points (a long regional time or date, a wider fallback face).
#pragma once

#include <functional>
#include <string>

namespace velkorn {

inline constexpr double kSmallestPointSize = 6.0;

// The width a text takes at a point size, in the same unit as the label's.
using CaptionMeasure = std::function<double(const std::u16string& text, double pointSize)>;

// The described size when the text fits; else the largest size, in quarter
// points below the proportional estimate, at which it does (fonts come in
// whole pixels on some platforms, so the estimate alone can still be wide).
double fittedPointSize(const std::u16string& text, double pointSize, double width,
                       const CaptionMeasure& measure);

} // namespace velkorn
