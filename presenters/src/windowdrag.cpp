#include "velkorn/windowdrag.h"

#include <cmath>
#include <cstdlib>

namespace velkorn {

void WindowDrag::press(MouseButton button, Point pointer) {
    pressed = button;
    pressedAt = pointer;
    grabOffset = pointer - view.windowPosition();
    state_ = State::Pressed;
    if (settings.systemMoveOnPress) {
        handOver(view.startSystemMove(button, pointer), State::Pressed);
    }
}

// A modal system move (Windows') returns only once it is over, having
// delivered the release that ended it: nothing is held any more.
void WindowDrag::handOver(bool systemMoves, State otherwise) {
    if (state_ != State::Idle) {
        state_ = systemMoves ? State::HandedOver : otherwise;
    }
}

void WindowDrag::move(Point pointer, bool held) {
    if (state_ == State::Idle || state_ == State::HandedOver) {
        return;
    }
    if (!held) {
        state_ = State::Idle; // the release went elsewhere
        return;
    }
    if (state_ == State::Pressed) {
        const Point travelled = pointer - pressedAt;
        if (std::abs(travelled.x) <= settings.distance.x &&
            std::abs(travelled.y) <= settings.distance.y) {
            return;
        }
        view.moveWindowTo(pointer - grabOffset);
        handOver(pressed == MouseButton::Left && view.startSystemMove(pressed, pointer),
                 State::MovingByHand);
        return;
    }
    view.moveWindowTo(pointer - grabOffset);
}

void WindowDrag::release(MouseButton button) {
    if (state_ == State::Idle || button != pressed) {
        return;
    }
    if (state_ == State::HandedOver) {
        view.cancelSystemMove();
    }
    state_ = State::Idle;
}

void WindowDrag::windowScaled(double ratio) {
    grabOffset = {static_cast<int>(std::lround(grabOffset.x * ratio)),
                  static_cast<int>(std::lround(grabOffset.y * ratio))};
}

} // namespace velkorn
