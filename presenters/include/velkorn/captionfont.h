// The face of the cards' labels and boxes, chosen once for every front end:
// MS Sans Serif, which the cards were drawn for, where the window draws in
// pixels of 96 DPI (a bitmap face has no good size at other scales), then
// its TrueType twin and the nearest free sans-serifs.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

namespace velkorn {

// In order of preference, for a window that draws in pixels of `dpi`
// dots an inch (96 where the toolkit scales by itself).
std::vector<std::string_view> captionFamilies(int dpi);

// The list from the first family installed on: asking a font system for a
// family it lacks costs it a search for that family's stand-ins.
std::vector<std::string_view>
fromFirstInstalled(std::vector<std::string_view> families,
                   const std::function<bool(std::string_view)>& installed);

} // namespace velkorn
