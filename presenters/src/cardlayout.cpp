#include "velkorn/cardlayout.h"

#include "velkorn/focusorder.h"
#include "velkorn/picturescale.h"

#include <algorithm>

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

// A shortcut's key as its cue shows it: the letter alone for Alt and a
// letter, which is what the held Alt asks for.
std::string cueText(KeyChord chord) {
    return chord.modifiers == Alt ? std::string(1, static_cast<char>(chord.key))
                                  : keyChordText(chord);
}

KeyCue layOutCue(const ShortcutDescription& shortcut, const PixelRect& control,
                 const PixelRect& client, int dpi,
                 const std::optional<HighContrast>& highContrast) {
    constexpr int kHeight = 210;    // twips: 14 pixels at 96 DPI
    constexpr int kCharacter = 105; // twips a character beyond the first
    KeyCue cue{.control = shortcut.control,
               .text = cueText(shortcut.chord),
               .area = {},
               .pointSize = 6.75,
               .colours = highContrast ? CaptionColours{highContrast->text, highContrast->window}
                                       : CaptionColours{{0, 0, 0}, Rgb{255, 255, 255}}};
    const int width =
        twipsToPixels(kHeight + kCharacter * static_cast<int>(cue.text.size() - 1), dpi);
    const int height = twipsToPixels(kHeight, dpi);
    // Centred on the corner, kept inside the window.
    cue.area = {std::min(control.x + control.width - width / 2, client.width - width),
                std::min(control.y + control.height - height / 2, client.height - height), width,
                height};
    return cue;
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
                      .controls = {},
                      .cues = {}};
    // The descriptions list the controls front to back.
    for (auto entry = form.controls.rbegin(); entry != form.controls.rend(); ++entry) {
        layout.controls.push_back(layOut(*entry, dpi, scale, highContrast));
    }
    for (const ShortcutDescription& shortcut : form.shortcuts) {
        const ControlDescription& entry = form.control(shortcut.control);
        layout.cues.push_back(
            layOutCue(shortcut, twipsToRect(entry.left, entry.top, entry.width, entry.height, dpi),
                      layout.client, dpi, highContrast));
    }
    return layout;
}

} // namespace velkorn
