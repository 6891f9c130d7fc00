// The white "X" at the right-hand end of a card's title strip.
#pragma once

#include "velkorn/formdescription.h"

namespace velkorn {

constexpr ControlDescription closeLabel(const char* name, int left, const char* toolTip) {
    return {.name = name,
            .kind = ControlKind::Label,
            .left = left,
            .top = 120,
            .width = 255,
            .height = 255,
            .caption = "X",
            .pointSize = 12,
            .textRole = TextRole::HighlightedText,
            .toolTip = toolTip,
            .clicks = true};
}

} // namespace velkorn
