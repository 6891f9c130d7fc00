#include "velkorn/cardlayout.h"

#include "velkorn/focusorder.h"
#include "velkorn/picturescale.h"

namespace velkorn {
namespace {

LaidOutControl layOut(const ControlDescription& entry, int dpi, double scale,
                      const std::optional<HighContrast>& highContrast) {
    LaidOutControl control{.entry = &entry,
                           .area =
                               twipsToRect(entry.left, entry.top, entry.width, entry.height, dpi),
                           .picture = {},
                           .caption = std::nullopt,
                           .takesFocus = takesFocus(entry)};
    if (entry.picture != nullptr) {
        control.picture = pictureDrawings(entry.picture, scale);
    } else if (entry.kind == ControlKind::Label) {
        control.caption = CaptionStyle{entry.alignment, captionColours(entry, highContrast)};
    }
    return control;
}

} // namespace

std::vector<PictureDrawing> pictureDrawings(std::string_view picture, double scale) {
    const int drawing = drawingScale(scale);
    std::vector<PictureDrawing> drawings{{pictureFile(picture, drawing), drawing}};
    if (drawing != 1) {
        drawings.push_back({std::string(picture), 1});
    }
    return drawings;
}

CardLayout layOutCard(const FormDescription& form, int dpi, double scale,
                      const std::optional<HighContrast>& highContrast) {
    CardLayout layout{.dpi = dpi,
                      .scale = scale,
                      .client = {0, 0, twipsToPixels(form.clientWidth, dpi),
                                 twipsToPixels(form.clientHeight, dpi)},
                      .background = pictureDrawings(form.background, scale),
                      .controls = {}};
    // The descriptions list the controls front to back.
    for (auto entry = form.controls.rbegin(); entry != form.controls.rend(); ++entry) {
        layout.controls.push_back(layOut(*entry, dpi, scale, highContrast));
    }
    return layout;
}

} // namespace velkorn
