#include "windowdragger.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace velkorn::ui {

void WindowDragger::begin(const QMouseEvent* press) {
    movingButton = Qt::NoButton;
    if (startSystemMove(press)) {
        // The system owns the move now and Qt may never see the release, so
        // nothing of ours is left waiting for it.
        return;
    }
    movingButton = press->button();
    grabOffset = press->globalPosition().toPoint() - window->pos();
}

#ifdef Q_OS_WIN
bool WindowDragger::startSystemMove(const QMouseEvent*) {
    const auto hwnd = reinterpret_cast<HWND>(window->winId());
    ReleaseCapture();
    SendMessageA(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
    return true;
}
#else
bool WindowDragger::startSystemMove(const QMouseEvent* press) {
    // A system move begun from a right or middle press leaves the window
    // stuck to the pointer under some window managers.
    if (press->button() != Qt::LeftButton) {
        return false;
    }
    QWindow* handle = window->windowHandle();
    return handle != nullptr && handle->startSystemMove();
}
#endif

void WindowDragger::move(const QMouseEvent* event) {
    if (movingButton != Qt::NoButton) {
        window->move(event->globalPosition().toPoint() - grabOffset);
    }
}

void WindowDragger::release(const QMouseEvent* event) {
    if (event->button() == movingButton) {
        movingButton = Qt::NoButton;
    }
}

} // namespace velkorn::ui
