// What the cards share: the white "X" at the right-hand end of a card's
// title strip, and the texts of their pictures.
#pragma once

#include "velkorn/formdescription.h"

namespace velkorn {

constexpr ControlDescription closeLabel(std::string_view name, int left, const char* toolTip) {
    return {.name = name,
            .kind = ControlKind::Label,
            .left = left,
            .top = 120,
            .width = 255,
            .height = 255,
            .caption = "X",
            .pointSize = 12,
            .textRole = TextRole::StripText,
            .toolTip = toolTip,
            .clicks = true};
}

// Text of the card's picture at its place there, in pixels of the picture
// at 100% (15 twips each).
constexpr ControlDescription pictureText(std::string_view name, const char* text, int left, int top,
                                         int width, int height) {
    return {.name = name,
            .kind = ControlKind::PictureText,
            .left = left * 15,
            .top = top * 15,
            .width = width * 15,
            .height = height * 15,
            .caption = text};
}

} // namespace velkorn
