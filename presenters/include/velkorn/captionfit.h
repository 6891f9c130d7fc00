// How a caption too wide for its label is shown: smaller, never cut off,
// down to 6 points (a long regional time or date, a wider fallback face);
// and how its width is measured without shaping every new second anew.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <unordered_map>

namespace velkorn {

inline constexpr double kSmallestPointSize = 6.0;

// The width a text takes at a point size, in the same unit as the label's.
using CaptionMeasure = std::function<double(const std::u16string& text, double pointSize)>;

// The described size when the text fits; else the largest size, in quarter
// points below the proportional estimate, at which it does (fonts come in
// whole pixels on some platforms, so the estimate alone can still be wide).
double fittedPointSize(const std::u16string& text, double pointSize, double width,
                       const CaptionMeasure& measure);

// Caption widths for fitting, from a face's shaping (the view's). Once
// pairs are learned (after the window's first frame: before it, learning
// them would cost start-up more shaping, not less), a caption of Latin
// characters (the clock's digits and separators, most regional times) is
// measured from the widths of the pairs of neighbouring characters it is
// made of, each pair shaped once a size: the pairs carry the face's
// kerning, so the sum is what shaping the whole text gives, and a new
// second costs no shaping. A text that brings a pair not met before is
// measured whole as well, and a size whose whole texts ever differ from
// their pairs (ligatures, contextual forms) measures whole texts from then
// on.
class CaptionWidths {
  public:
    explicit CaptionWidths(CaptionMeasure shape) : shape(std::move(shape)) {}

    double operator()(const std::u16string& text, double pointSize);
    void learnPairs() { pairsLearned = true; }
    // Forgotten when the face may have changed (a new scale).
    void forget() { sizes.clear(); }

    // How many texts have been handed to the shaping: whole captions,
    // pairs and single characters.
    int shapedTexts() const { return shaped; }

  private:
    struct Size {
        std::unordered_map<char16_t, double> singles;
        std::unordered_map<std::uint32_t, double> pairs;
        bool pairsAgree = true;
    };

    double whole(const std::u16string& text, double pointSize);
    double single(Size& size, char16_t c, double pointSize);
    double pair(Size& size, char16_t first, char16_t second, double pointSize, bool& learned);

    CaptionMeasure shape;
    std::map<long, Size> sizes;
    bool pairsLearned = false;
    int shaped = 0;
};

} // namespace velkorn
