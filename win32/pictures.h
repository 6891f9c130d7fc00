// The pictures built into the executable (RCDATA resources named after their
// files in assets/), decoded once for each DPI, from the drawing
// the presenter chose (name.jpg or name@2x.jpg); each is made exactly its
// own size at the window's DPI.
#pragma once

#include "velkorn/cardlayout.h"

#include <windows.h>

#include <vector>

namespace velkorn::win32 {

struct Picture {
    HBITMAP bitmap = nullptr; // owned by the cache; lives until the program ends
    int width = 0;
    int height = 0;
};

// The first of a picture's drawings there is, made for the DPI.
const Picture& loadPicture(const std::vector<PictureDrawing>& drawings, UINT dpi);

// Draws a picture at the given position of a device context.
void drawPicture(HDC target, const Picture& picture, int x, int y);
// Draws the part of a picture at the top left that lies in an area.
void drawPictureArea(HDC target, const Picture& picture, const RECT& area);

} // namespace velkorn::win32
