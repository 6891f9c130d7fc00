#include "velkorn/captioncolours.h"

#include <algorithm>
#include <cmath>

namespace velkorn {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kTitleStrip{157, 8, 13}; // the cards' title strip and picture buttons
constexpr double kEnhancedContrast = 7.0;

double linear(std::uint8_t channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(Rgb colour) {
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

} // namespace

CaptionColours captionColours(const ControlDescription& label,
                              const std::optional<HighContrast>& highContrast) {
    const bool onStrip = label.textRole == TextRole::StripText;
    if (!highContrast) {
        return {onStrip ? kWhite : kBlack, label.background};
    }
    const Rgb ground = label.background.value_or(onStrip ? kTitleStrip : kWhite);
    if (contrastRatio(highContrast->text, ground) >= kEnhancedContrast) {
        return {highContrast->text, label.background};
    }
    const bool black = contrastRatio(kBlack, ground) >= contrastRatio(kWhite, ground);
    return {black ? kBlack : kWhite, label.background};
}

double contrastRatio(Rgb first, Rgb second) {
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

} // namespace velkorn
