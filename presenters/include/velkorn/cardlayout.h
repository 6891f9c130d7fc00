// A card laid out for a scale, once for every front end: for each control
// the pixel rectangle it takes, its place in the stack, the drawings of
// its picture to try in turn, how its caption is drawn (colours,
// alignment; one line from the top, clipped to the rectangle) and whether
// it takes the focus, and the background's drawings. A front end draws
// what it is given and decides none of it.
#pragma once

#include "velkorn/captioncolours.h"
#include "velkorn/formdescription.h"
#include "velkorn/twips.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velkorn {

// A picture's file, and the scale it was drawn at (1 or 2).
struct PictureDrawing {
    std::string file;
    int drawnScale;
};

struct CaptionStyle {
    Alignment alignment;
    CaptionColours colours;
};

struct LaidOutControl {
    const ControlDescription* entry;
    PixelRect area;
    // Its drawings, the one for the scale first, then its own-size one
    // should the first be missing; empty for a control without a picture.
    std::vector<PictureDrawing> picture;
    std::optional<CaptionStyle> caption; // labels without a picture
    bool takesFocus;
};

// A shortcut's key shown by its control while Alt is held: "P" for Alt+P,
// "F1", "Esc". A small badge over the control's bottom right-hand corner,
// in front of everything, in a pair that reads on any picture (the
// system's own in high contrast).
struct KeyCue {
    std::string_view control;
    std::string text;
    PixelRect area;
    double pointSize;
    CaptionColours colours; // the badge's fill, and its text and frame
};

struct CardLayout {
    int dpi;      // the unit of the rectangles: the front end's pixels
    double scale; // the window's, 1 at 96 DPI: what the pictures are made for
    PixelRect client;
    std::vector<PictureDrawing> background;
    // Back to front: the order to draw them in, and to make a toolkit's
    // child windows in where each new one lies over the ones before.
    std::vector<LaidOutControl> controls;
    std::vector<KeyCue> cues;
};

// `dpi` is the unit of the front end's pixels (96 where the toolkit
// scales by itself), `scale` the window's.
CardLayout layOutCard(const FormDescription& form, int dpi, double scale,
                      const std::optional<HighContrast>& highContrast);

// The drawings of a picture at a scale, best first.
std::vector<PictureDrawing> pictureDrawings(std::string_view picture, double scale);

} // namespace velkorn
