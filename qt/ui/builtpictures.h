// The first window's pictures at the usual drawing scale, built into the
// program already decoded (by tools/picture-pixels from the same JPEG
// drawings, with the same decoder): they are on the way to the first
// frame, where decoding them took a core's time beside the window's
// making. Every other picture is decoded from its JPEG when its window is
// made.
#pragma once

#include <QImage>

#include <span>
#include <string_view>

namespace velkorn::ui {

struct BuiltPicture {
    const char* file; // as in assets/: "face-1.jpg"
    int width;
    int height;
    const unsigned int* pixels; // QImage::Format_RGB32, row after row
};

std::span<const BuiltPicture> builtPictures();

// The built-in picture of that file, drawn straight from the program's
// read-only data (nothing is copied), or a null image.
QImage builtPicture(std::string_view file);

} // namespace velkorn::ui
