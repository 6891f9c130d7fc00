// The controls of a card, built from its FormDescription and laid out for
// its DPI. Only the boxes are windows (EDIT controls, the number boxes of
// the main window), stacked so that Tab meets them in reading order; the
// labels and pictures are drawn by the card itself (cardpainting.h) and
// take presses through the presenter's hit-test, so a start makes three
// child windows, not forty. Each control has its tool tip; what screen
// readers meet is the card's own (cardaccessible.h).
#pragma once

#include "pictures.h"

#include "velkorn/controlstack.h"
#include "velkorn/formdescription.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velkorn::win32 {

struct CardControl {
    const ControlDescription* entry = nullptr;
    HWND window = nullptr; // a box's EDIT control; none for what the card draws
    std::wstring caption;
    double pointSize = 8.25;
    std::wstring toolTip;
    // Set by placeControls as laid out for the window's DPI: where the
    // control lies in the card's client area, its picture, its caption's
    // look.
    RECT area{};
    const Picture* picture = nullptr;
    std::optional<CaptionStyle> style;
};

// Front to back, as the description lists them, each where it lies at the
// DPI.
std::vector<CardControl> buildControls(HWND card, const FormDescription& description);

// The control of that name; null when there is none.
const CardControl* findControl(const std::vector<CardControl>& controls, std::string_view name);

// A tool tip window of the card's, holding the tips of the controls shown.
HWND addToolTips(HWND card, const std::vector<CardControl>& controls, const ShownControl& shown);
// After a control was shown or hidden or the DPI changed: the tips of the
// controls shown, each where its control lies, the one in front first.
void updateToolTips(HWND card, HWND toolTips, const std::vector<CardControl>& controls,
                    const ShownControl& shown);

// Places each control as laid out: its area, picture and caption's look,
// and the boxes' font.
void placeControls(std::vector<CardControl>& controls, const CardLayout& layout);

} // namespace velkorn::win32
