#include "shell/windows/outer_geometry.h"

namespace pipwick {

Rect OuterRect(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    return {frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
}

void SetOuterRect(QWidget& window, const Rect& outer) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    const int extraWidth = frame.width() - client.width();
    const int extraHeight = frame.height() - client.height();
    window.move(outer.left, outer.top);
    // Only the program sizes its windows: a window of one fixed size cannot be resized or
    // maximised by the player.
    window.setFixedSize(outer.right - outer.left - extraWidth,
                        outer.bottom - outer.top - extraHeight);
}

}  // namespace pipwick
