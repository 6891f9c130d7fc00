#include "velkorn/captioncolours.h"

#include <algorithm>
#include <cmath>

namespace velkorn {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

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
    if (highContrast) {
        return {highContrast->text, highContrast->window};
    }
    const Rgb text = label.textRole == TextRole::StripText ? kWhite : kBlack;
    return {text, label.background};
}

double contrastRatio(Rgb first, Rgb second) {
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

} // namespace velkorn
