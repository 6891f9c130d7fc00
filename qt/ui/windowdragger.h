// Moves a borderless window with the mouse from a press on its background
// until the button is released, keeping the grabbed point under the pointer.
//
// The move starts only once the pointer has travelled the platform's drag
// distance with the button still down: a window manager handed the move on
// the press may start it after the button is already up (a quick click, a
// busy moment), and the window would then follow the pointer until the next
// click. From there a left drag is handed to the X11 window manager, from
// the press's position, so no pixel of the drag is lost; other buttons, and
// platforms that refuse, move the window by hand. On Wayland a client cannot place its
// window, and the compositor needs the press itself to start a move, so
// there every button hands the move over on the press.
#pragma once

#include <QPoint>

class QMouseEvent;
class QWidget;

namespace velkorn::ui {

class WindowDragger {
  public:
    explicit WindowDragger(QWidget* window) : window(window) {}

    void begin(const QMouseEvent* press);
    // The window's mouse events while the press lasts.
    void move(const QMouseEvent* event);
    void release(const QMouseEvent* event);

  private:
    enum class State { Idle, Pressed, MovingByHand, HandedOver };

    // Hands the move to the system once the drag distance is passed; false
    // when the window is to be moved by hand.
    bool handOver();

    QWidget* window;
    State state = State::Idle;
    Qt::MouseButton button = Qt::NoButton;
    QPoint pressedAt;  // global pointer position of the press
    QPoint grabOffset; // pointer position relative to the window's top left
};

} // namespace velkorn::ui
