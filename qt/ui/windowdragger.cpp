#include "windowdragger.h"

#ifdef VELKORN_HAVE_X11_MOVE
#include "x11windowmove.h"
#endif

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace velkorn::ui {
namespace {

bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

void WindowDragger::begin(const QMouseEvent* press) {
    state = State::Idle;
    button = press->button();
    if (onWayland()) {
        // The compositor knows the button and needs the press to move.
        QWindow* handle = window->windowHandle();
        if (handle != nullptr && handle->startSystemMove()) {
            return;
        }
    }
    state = State::Pressed;
    pressedAt = press->globalPosition().toPoint();
    grabOffset = pressedAt - window->pos();
}

bool WindowDragger::handOver() {
#ifdef VELKORN_HAVE_X11_MOVE
    // Window managers end such a move on the left button's release only.
    return button == Qt::LeftButton && startX11WindowMove(window, pressedAt);
#else
    return false;
#endif
}

void WindowDragger::move(const QMouseEvent* event) {
    if (state == State::Idle || state == State::HandedOver) {
        return;
    }
    if (!(event->buttons() & button)) {
        state = State::Idle; // the release went elsewhere
        return;
    }
    const QPoint pointer = event->globalPosition().toPoint();
    if (state == State::Pressed) {
        if ((pointer - pressedAt).manhattanLength() < QApplication::startDragDistance()) {
            return;
        }
        if (handOver()) {
            state = State::HandedOver;
            return;
        }
        state = State::MovingByHand;
    }
    window->move(pointer - grabOffset);
}

void WindowDragger::release(const QMouseEvent* event) {
    if (event->button() != button) {
        return;
    }
#ifdef VELKORN_HAVE_X11_MOVE
    if (state == State::HandedOver) {
        // The release reached us, so the window manager never took the
        // pointer: a move it starts now would glue the window to it.
        cancelX11WindowMove(window);
    }
#endif
    state = State::Idle;
}

} // namespace velkorn::ui
