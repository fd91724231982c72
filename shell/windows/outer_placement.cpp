#include "shell/windows/outer_placement.h"

#include <QEvent>

#include "shell/windows/outer_geometry.h"

namespace pipwick {

OuterPlacement::OuterPlacement(QWidget& window) : QObject(&window), window_(window) {
    window_.installEventFilter(this);
}

void OuterPlacement::Place(const Rect& outer) {
    target_ = outer;
    placed_ = true;
    placedWith_ = Frame();
    SetOuterRect(window_, outer);
}

void OuterPlacement::SetWidth(int32_t width) {
    Rect outer = OuterRect(window_);
    outer.right = outer.left + width;
    Place(outer);
}

QMargins OuterPlacement::Frame() const {
    const QRect frame = window_.frameGeometry();
    const QRect client = window_.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

// The window manager's new frame arrives with the move of the client area into it.
bool OuterPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
                FrameMayHaveChanged();
                break;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

int32_t OuterPlacement::TargetClientHeight() const {
    const QMargins frame = Frame();
    return target_.bottom - target_.top - frame.top() - frame.bottom();
}

// A minimised or hidden window has no frame to measure.
void OuterPlacement::FrameMayHaveChanged() {
    if (!window_.isVisible() || window_.isMinimized()) {
        return;
    }
    if (placed_ && Frame() != placedWith_) {
        Place(target_);
        if (reframed_) {
            reframed_();
        }
    }
}

}  // namespace pipwick
