// Twips (1/1440 inch) are the unit the window descriptions use; at 96 DPI
// fifteen make a pixel. This is the one place that converts them, for every
// front end and any DPI.
#pragma once

namespace velkorn {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kStandardDpi = 96;

// Nearest pixel at the given DPI, halves away from zero.
constexpr int twipsToPixels(int twips, int dpi = kStandardDpi) {
    const long long twice = 2LL * twips * dpi;
    const long long unit = 2LL * kTwipsPerInch;
    return static_cast<int>(twice >= 0 ? (twice + kTwipsPerInch) / unit
                                       : -((-twice + kTwipsPerInch) / unit));
}

// The middle of a pixel at the given DPI, in twips: where a press on that
// pixel lies for the hit-test.
constexpr int pixelToTwips(int pixel, int dpi = kStandardDpi) {
    return static_cast<int>((2LL * pixel + 1) * (kTwipsPerInch / 2) / dpi);
}

struct PixelRect {
    int x;
    int y;
    int width;
    int height;
};

// Converted by edges, not by size, so that controls that touch in twips
// still touch in pixels.
constexpr PixelRect twipsToRect(int left, int top, int width, int height, int dpi = kStandardDpi) {
    const int x0 = twipsToPixels(left, dpi);
    const int y0 = twipsToPixels(top, dpi);
    return {x0, y0, twipsToPixels(left + width, dpi) - x0, twipsToPixels(top + height, dpi) - y0};
}

} // namespace velkorn
