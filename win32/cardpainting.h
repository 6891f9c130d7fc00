// How a card draws itself: its background picture, then the labels and
// pictures shown, back to front, each transparent over what lies behind
// it, in the labels' face at the size the presenter fitted. The boxes are
// windows of their own and clip themselves out.
#pragma once

#include "cardcontrols.h"

#include "velkorn/captioncolours.h"
#include "velkorn/controlstack.h"

#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velkorn::win32 {

// The labels' and boxes' face at a size and DPI, made once and kept until
// the program ends: MS Sans Serif at 96 DPI, the card's own look, and its
// TrueType twin at other scales, where the bitmap face has no good size.
HFONT sansSerifFont(double pointSize, UINT dpi);

// The width of a text in that face, in pixels.
double textWidth(const std::wstring& text, double pointSize, UINT dpi);

// The system's colours when high contrast is on. The user may switch it at
// any time; the windows then hear of it (WM_SYSCOLORCHANGE) and ask again.
std::optional<HighContrast> highContrast();

struct CardPaint {
    HDC dc;
    RECT dirty; // what needs drawing, in the client area
    UINT dpi;
};

// The cues go last, in front of everything.
void paintCard(const CardPaint& paint, const Picture& background,
               const std::vector<CardControl>& controls, const ShownControl& shown,
               std::span<const KeyCue> cues);

} // namespace velkorn::win32
