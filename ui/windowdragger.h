// Moves a borderless window with the mouse from a press on its background
// until the button is released. On Windows it asks the system to move the
// window as if its caption were grabbed. Elsewhere a left press asks the
// window manager for a system move; other buttons, and platforms that refuse
// (offscreen, window managers without _NET_WM_MOVERESIZE), fall back to
// moving the window by hand with the pointer.
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
    bool startSystemMove(const QMouseEvent* press);

    QWidget* window;
    Qt::MouseButton movingButton = Qt::NoButton;
    QPoint grabOffset; // pointer position relative to the window's top left
};

} // namespace velkorn::ui
