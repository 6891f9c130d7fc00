// Twips (1/1440 inch) are the unit the window descriptions use; at 96 DPI
// fifteen make a pixel. This is the one place that converts them.
#pragma once

#include <QRect>

namespace velkorn::ui {

inline constexpr int kTwipsPerPixel = 15;

// Nearest pixel, halves away from zero.
constexpr int twipsToPixels(int twips) {
    const int twice = 2 * twips;
    return twice >= 0 ? (twice + kTwipsPerPixel) / (2 * kTwipsPerPixel)
                      : -((-twice + kTwipsPerPixel) / (2 * kTwipsPerPixel));
}

// Converted by edges, not by size, so that controls that touch in twips
// still touch in pixels.
constexpr QRect twipsToRect(int left, int top, int width, int height) {
    const int x0 = twipsToPixels(left);
    const int y0 = twipsToPixels(top);
    return QRect(x0, y0, twipsToPixels(left + width) - x0, twipsToPixels(top + height) - y0);
}

} // namespace velkorn::ui
