// How a card draws its labels and pictures: transparent over the card's
// background picture and over the captions of the labels behind them, in
// the labels' face at the size the presenter fitted.
#pragma once

#include "cardcontrols.h"

#include <windows.h>

#include <string>
#include <vector>

namespace velkorn::win32 {

// The labels' and boxes' face at a size and DPI, made once and kept until
// the program ends: MS Sans Serif at 96 DPI, the card's own look, and its
// TrueType twin at other scales, where the bitmap face has no good size.
HFONT sansSerifFont(double pointSize, UINT dpi);

// The width of a text in that face, in pixels.
double textWidth(const std::wstring& text, double pointSize, UINT dpi);

void drawControl(const DRAWITEMSTRUCT& item, const std::vector<CardControl>& controls,
                 std::size_t index, const Picture& background, UINT dpi);

} // namespace velkorn::win32
