// The controls of a card, built from its FormDescription and laid out for
// its DPI: EDIT boxes (number boxes on the main window); push buttons for
// the controls that take clicks (see clickbutton.h); owner-drawn statics
// for the other labels and pictures, which the card draws transparent over
// its background. Each has its tool tip; what screen readers meet is the
// card's own (cardaccessible.h).
#pragma once

#include "pictures.h"

#include "velkorn/formdescription.h"

#include <windows.h>

#include <string>
#include <vector>

namespace velkorn::win32 {

struct CardControl {
    const ControlDescription* entry = nullptr;
    HWND window = nullptr;
    std::wstring caption;
    double pointSize = 8.25;
    std::wstring toolTip;
    bool named = false; // the caption is also its name for screen readers
    // Set by buildControls and placeControls for the window's DPI: where
    // the control lies in the card, its picture, and the transparent labels
    // behind it that it overlaps (their captions show through it), by index.
    RECT area{};
    const Picture* picture = nullptr;
    std::vector<std::size_t> labelsBehind;
};

// Front to back, as the description lists them, each where it lies at the
// DPI.
std::vector<CardControl> buildControls(HWND card, const FormDescription& description, UINT dpi);

// The controls' tool tips, in a tool tip window of the card's; returns it.
HWND addToolTips(HWND card, std::vector<CardControl>& controls);

// Geometry from twips at the DPI, pictures from their drawing at that scale,
// the boxes' font, and what lies behind each control.
void placeControls(std::vector<CardControl>& controls, UINT dpi, int drawingScale);

} // namespace velkorn::win32
