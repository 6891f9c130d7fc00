// Small value types shared by the presenters and the views that the front
// ends implement: points in the window system's pixels, mouse buttons and
// the keys the windows react to.
#pragma once

namespace velkorn {

struct Point {
    int x = 0;
    int y = 0;

    friend bool operator==(const Point&, const Point&) = default;
    friend Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
    friend Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
};

enum class MouseButton { Left, Right, Middle };

// Keys with a meaning for the windows; others are the controls' own.
enum class Key { F1, Escape };

} // namespace velkorn
