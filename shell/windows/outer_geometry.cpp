#include "shell/windows/outer_geometry.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWindow>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>

namespace pipwick {

namespace {

// Replies of xcb are freed with free().
template <typename Reply>
using XReply = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
XReply<Reply> Owned(Reply* reply) {
    return XReply<Reply>(reply, &std::free);
}

// Window pixels to the X server's, and back: they differ where Qt is told to scale
// (QT_SCALE_FACTOR).
double PixelRatio(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle != nullptr ? handle->devicePixelRatio() : 1.0;
}

int ToWindowPixels(int serverPixels, double ratio) {
    return static_cast<int>(std::lround(serverPixels / ratio));
}

uint32_t ToServerPixels(int windowPixels, double ratio) {
    return static_cast<uint32_t>(static_cast<int32_t>(std::lround(windowPixels * ratio)));
}

xcb_connection_t* XConnection() {
    const auto* x11 = qGuiApp != nullptr
                          ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                          : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

// The window on the X server as it is now, in window pixels: its client area on the screen and
// its frame. Qt keeps both from the last events it took in, and a window manager that started
// late, or one that replaced another, leaves them out of date or lets a request of the program go
// unanswered.
struct XPlacement {
    QRect client;
    QMargins frame;
};

std::optional<XPlacement> ReadXPlacement(const QWidget& window) {
    xcb_connection_t* connection = XConnection();
    if (connection == nullptr || !window.testAttribute(Qt::WA_WState_Created)) {
        return std::nullopt;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    const auto tree =
        Owned(xcb_query_tree_reply(connection, xcb_query_tree(connection, id), nullptr));
    const auto size =
        Owned(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr));
    if (!tree || !size) {
        return std::nullopt;
    }
    const auto origin = Owned(xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, id, tree->root, 0, 0), nullptr));
    if (!origin) {
        return std::nullopt;
    }
    const double ratio = PixelRatio(window);
    XPlacement placement{
        QRect(ToWindowPixels(origin->dst_x, ratio), ToWindowPixels(origin->dst_y, ratio),
              ToWindowPixels(size->width, ratio), ToWindowPixels(size->height, ratio)),
        {}};
    // A window that is a child of the root has no frame, whatever an earlier window manager left
    // written on it.
    if (tree->parent == tree->root) {
        return placement;
    }
    static const xcb_atom_t extents = [connection] {
        static const char name[] = "_NET_FRAME_EXTENTS";
        const auto atom = Owned(xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, sizeof(name) - 1, name), nullptr));
        return atom ? atom->atom : xcb_atom_t{XCB_ATOM_NONE};
    }();
    const auto property = Owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, id, extents, XCB_ATOM_CARDINAL, 0, 4),
        nullptr));
    if (extents != XCB_ATOM_NONE && property && property->format == 32 &&
        property->value_len == 4) {
        const auto* value = static_cast<const uint32_t*>(xcb_get_property_value(property.get()));
        // left, right, top, bottom
        placement.frame = QMargins(ToWindowPixels(static_cast<int>(value[0]), ratio),
                                   ToWindowPixels(static_cast<int>(value[2]), ratio),
                                   ToWindowPixels(static_cast<int>(value[1]), ratio),
                                   ToWindowPixels(static_cast<int>(value[3]), ratio));
    } else if (const QWindow* handle = window.windowHandle()) {
        placement.frame = handle->frameMargins();
    }
    return placement;
}

}  // namespace

// On X11 the server is asked. Elsewhere the platform window is asked, not the widget: the widget
// learns of a new frame only with a move, and a window manager that frames a window where it
// stands does not move it.
QMargins FrameMargins(const QWidget& window) {
    if (window.isVisible()) {
        if (const auto placement = ReadXPlacement(window)) {
            return placement->frame;
        }
        if (const QWindow* handle = window.windowHandle()) {
            return handle->frameMargins();
        }
    }
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

Rect OuterRect(const QWidget& window) {
    QRect client = window.geometry();
    QMargins frame;
    if (const auto placement = window.isVisible() ? ReadXPlacement(window) : std::nullopt) {
        client = placement->client;
        frame = placement->frame;
    } else {
        frame = FrameMargins(window);
    }
    return {client.left() - frame.left(), client.top() - frame.top(),
            client.left() + client.width() + frame.right(),
            client.top() + client.height() + frame.bottom()};
}

// The client area is placed, not the frame: a move of the frame goes through the widget's own
// record of the frame, which a window manager that framed the window late leaves out of date. On
// X11 the request also goes to the server directly, since Qt sends none for a place it believes
// the window already has.
void SetOuterRect(QWidget& window, const Rect& outer) {
    const QMargins frame = FrameMargins(window);
    const QRect client(outer.left + frame.left(), outer.top + frame.top(),
                       outer.right - outer.left - frame.left() - frame.right(),
                       outer.bottom - outer.top - frame.top() - frame.bottom());
    // Only the program sizes its windows: a window of one fixed size cannot be resized or
    // maximised by the player.
    window.setFixedSize(client.size());
    window.setGeometry(client);
    xcb_connection_t* connection = XConnection();
    if (connection != nullptr && window.testAttribute(Qt::WA_WState_Created) &&
        window.isVisible()) {
        const double ratio = PixelRatio(window);
        const uint32_t values[] = {
            ToServerPixels(client.x(), ratio), ToServerPixels(client.y(), ratio),
            ToServerPixels(client.width(), ratio), ToServerPixels(client.height(), ratio)};
        xcb_configure_window(connection, static_cast<xcb_window_t>(window.winId()),
                             XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                                 XCB_CONFIG_WINDOW_HEIGHT,
                             values);
        xcb_flush(connection);
    }
}

}  // namespace pipwick
