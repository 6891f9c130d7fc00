// Asks an X11 window manager to move a window with the mouse
// (_NET_WM_MOVERESIZE), as a window manager's own title bar would.
#pragma once

#include <QPoint>

class QWidget;

namespace velkorn::ui {

// Starts the move as if the left button had been pressed at `pressedAt`
// (global, device-independent pixels): the window manager then keeps that
// point of the window under the pointer, however far the pointer has gone
// since. False when this is no X11 session or the window manager cannot
// move windows for clients.
bool startX11WindowMove(QWidget* window, QPoint pressedAt);

// Ends a move started above that the window manager has not taken up (the
// button came up before it grabbed the pointer).
void cancelX11WindowMove(QWidget* window);

} // namespace velkorn::ui
