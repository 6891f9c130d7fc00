// Moving a borderless window by its background, as a small state machine.
//
// A press only arms the drag: the move starts once the pointer has gone
// past the platform's drag distance with the button still down, so a quick
// click never leaves a system move waiting for a release that already
// happened (the window would then follow the pointer until the next click).
// From there the window first catches up so that the grabbed point is
// under the pointer; a left drag is then handed to the system's own move,
// other buttons move the window by hand (a system move ends on the left
// button's release only). Where the system needs the press itself to move
// a window (Wayland), every button hands over on the press.
#pragma once

#include "velkorn/viewtypes.h"

namespace velkorn {

// What the drag asks of a window.
class DragView {
  public:
    virtual ~DragView() = default;
    // The window's top left-hand corner, in the pointer's coordinates.
    virtual Point windowPosition() const = 0;
    virtual void moveWindowTo(Point topLeft) = 0;
    // Hands the move to the system, the pointer at `pointer` with `button`
    // down; false where the system cannot take it.
    virtual bool startSystemMove(MouseButton button, Point pointer) = 0;
    // The release reached the window after a hand-over: the system never
    // took the pointer, and must not start moving now.
    virtual void cancelSystemMove() = 0;
};

struct DragSettings {
    // How far the pointer may stray, either way, before a press is a drag.
    Point distance{4, 4};
    // Hand every drag to the system on the press (Wayland).
    bool systemMoveOnPress = false;
};

class WindowDrag {
  public:
    enum class State { Idle, Pressed, MovingByHand, HandedOver };

    WindowDrag(DragView& view, DragSettings settings) : view(view), settings(settings) {}

    void press(MouseButton button, Point pointer);
    // `held`: the pressed button is still down.
    void move(Point pointer, bool held);
    void release(MouseButton button);
    // The window lost the pointer (capture taken, window hidden).
    void cancel() { state_ = State::Idle; }
    // The window's size changed by this ratio (a change of DPI) while the
    // pointer holds it: the grabbed point of the picture stays under it.
    void windowScaled(double ratio);

    State state() const { return state_; }
    MouseButton button() const { return pressed; }

  private:
    void handOver(bool systemMoves, State otherwise);
    DragView& view;
    DragSettings settings;
    State state_ = State::Idle;
    MouseButton pressed = MouseButton::Left;
    Point pressedAt;
    Point grabOffset; // the pointer relative to the window's corner
};

} // namespace velkorn
