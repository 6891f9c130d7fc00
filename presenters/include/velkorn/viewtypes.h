// Small value types shared by the presenters and the views that the front
// ends implement: points in the window system's pixels, mouse buttons and
// the keys the windows react to (KeyChord).
#pragma once

#include "velkorn/keychord.h"

namespace velkorn {

struct Point {
    int x = 0;
    int y = 0;

    friend bool operator==(const Point&, const Point&) = default;
    friend Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
    friend Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
};

enum class MouseButton { Left, Right, Middle };

} // namespace velkorn
