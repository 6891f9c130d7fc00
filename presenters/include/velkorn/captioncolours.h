// The colours a caption is drawn in, chosen once for both front ends. The
// cards' pictures are white, with a dark red title strip and dark red
// buttons, so their captions bring their own colours (black on white,
// white on dark red) whatever the user's colour scheme: a dark scheme's
// light text would vanish on the white card. In the platform's
// high-contrast mode they take the system's text colour where it stands
// out from the card under them at least 7:1 (the guidelines' enhanced
// contrast), else black or white, whichever stands out more. Captions are
// transparent in every mode, so that where two overlap ("Time:" and the
// clock) both read; only a label with a ground of its own fills it.
#pragma once

#include "velkorn/formdescription.h"

#include <optional>

namespace velkorn {

struct CaptionColours {
    Rgb text;
    std::optional<Rgb> fill; // none: transparent, the picture shows through
};

// The system's text and window colours while high contrast is on.
struct HighContrast {
    Rgb text;
    Rgb window;
    friend constexpr bool operator==(const HighContrast&, const HighContrast&) = default;
};

CaptionColours captionColours(const ControlDescription& label,
                              const std::optional<HighContrast>& highContrast);

// The contrast ratio of two colours as accessibility guidelines measure
// it: from 1 (the same) to 21 (black and white).
double contrastRatio(Rgb first, Rgb second);

} // namespace velkorn
