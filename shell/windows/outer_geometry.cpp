#include "shell/windows/outer_geometry.h"

#include <QWindow>

namespace pipwick {

// The platform window is asked, not the widget: the widget learns of a new frame only with a move,
// and a window manager that frames a window where it stands does not move it.
QMargins FrameMargins(const QWidget& window) {
    if (const QWindow* handle = window.windowHandle(); handle != nullptr && window.isVisible()) {
        return handle->frameMargins();
    }
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

Rect OuterRect(const QWidget& window) {
    const QRect client = window.geometry();
    const QMargins frame = FrameMargins(window);
    return {client.left() - frame.left(), client.top() - frame.top(),
            client.left() + client.width() + frame.right(),
            client.top() + client.height() + frame.bottom()};
}

void SetOuterRect(QWidget& window, const Rect& outer) {
    const QMargins frame = FrameMargins(window);
    const int extraWidth = frame.left() + frame.right();
    const int extraHeight = frame.top() + frame.bottom();
    window.move(outer.left, outer.top);
    // Only the program sizes its windows: a window of one fixed size cannot be resized or
    // maximised by the player.
    window.setFixedSize(outer.right - outer.left - extraWidth,
                        outer.bottom - outer.top - extraHeight);
}

}  // namespace pipwick
