#include "x11windowmove.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string_view>

namespace velkorn::ui {
namespace {

// Values from the Extended Window Manager Hints.
constexpr std::uint32_t kMove = 8;
constexpr std::uint32_t kCancel = 11;
constexpr std::uint32_t kLeftButton = 1;
constexpr std::uint32_t kFromApplication = 1;

xcb_connection_t* x11Connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* connection, std::string_view name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// Interned once: atoms stay the same for the program's one connection.
struct Atoms {
    xcb_atom_t moveResize;
    xcb_atom_t supported;
};

const Atoms& atoms(xcb_connection_t* connection) {
    static const Atoms interned{atom(connection, "_NET_WM_MOVERESIZE"),
                                atom(connection, "_NET_SUPPORTED")};
    return interned;
}

xcb_window_t rootWindow(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

// Whether the window manager lists the atom in _NET_SUPPORTED.
bool supported(xcb_connection_t* connection, xcb_atom_t wanted) {
    const auto cookie = xcb_get_property(connection, 0, rootWindow(connection),
                                         atoms(connection).supported, XCB_ATOM_ATOM, 0, 4096);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply || reply->format != 32) {
        return false;
    }
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    for (int i = 0; i < count; ++i) {
        if (atoms[i] == wanted) {
            return true;
        }
    }
    return false;
}

void sendMoveResize(xcb_connection_t* connection, QWidget* window, QPoint native,
                    std::uint32_t action) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window->winId());
    message.type = atoms(connection).moveResize;
    message.data.data32[0] = static_cast<std::uint32_t>(native.x());
    message.data.data32[1] = static_cast<std::uint32_t>(native.y());
    message.data.data32[2] = action;
    message.data.data32[3] = kLeftButton;
    message.data.data32[4] = kFromApplication;
    xcb_send_event(connection, 0, rootWindow(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

} // namespace

bool startX11WindowMove(QWidget* window, QPoint pressedAt) {
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr || !supported(connection, atoms(connection).moveResize)) {
        return false;
    }
    // The window manager takes over the pointer from here.
    xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
    const QPoint native = (QPointF(pressedAt) * window->devicePixelRatioF()).toPoint();
    sendMoveResize(connection, window, native, kMove);
    return true;
}

void cancelX11WindowMove(QWidget* window) {
    if (xcb_connection_t* connection = x11Connection()) {
        sendMoveResize(connection, window, QPoint(), kCancel);
    }
}

} // namespace velkorn::ui
