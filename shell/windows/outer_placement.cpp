#include "shell/windows/outer_placement.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdint>
#include <cstring>

#include "shell/windows/outer_geometry.h"

namespace pipwick {

namespace {

// The X protocol's event codes and where each event names its window: every X event is 32 bytes,
// the code in the first byte (its top bit marks an event another client sent).
constexpr uint8_t kReparentNotify = 21;
constexpr uint8_t kConfigureNotify = 22;
constexpr uint8_t kPropertyNotify = 28;
constexpr size_t kEventBytes = 32;

uint32_t WordAt(const uint8_t* event, size_t offset) {
    uint32_t word = 0;
    std::memcpy(&word, event + offset, sizeof(word));
    return word;
}

}  // namespace

OuterPlacement::OuterPlacement(QWidget& window) : QObject(&window), window_(window) {
    window_.installEventFilter(this);
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->installNativeEventFilter(this);
    }
}

OuterPlacement::~OuterPlacement() {
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->removeNativeEventFilter(this);
    }
}

// The check waits until Qt has taken the event in, so that the frame it measures is the new one.
bool OuterPlacement::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t" || message == nullptr ||
        !window_.testAttribute(Qt::WA_WState_Created)) {
        return false;
    }
    uint8_t event[kEventBytes];
    std::memcpy(event, message, kEventBytes);
    const uint8_t code = event[0] & 0x7F;
    const uint32_t window = static_cast<uint32_t>(window_.winId());
    if (code == kReparentNotify && WordAt(event, 8) == window) {
        QTimer::singleShot(0, this, [this] {
            Settle();
            Reframed();
        });
    } else if ((code == kConfigureNotify && WordAt(event, 8) == window) ||
               (code == kPropertyNotify && WordAt(event, 4) == window)) {
        QTimer::singleShot(0, this, [this] { Reframed(); });
    }
    return false;
}

void OuterPlacement::Settle() {
    settling_ = true;
    corrections_ = 0;
}

// A window manager that is still taking the window in may let a request to place it go
// unanswered: until the window has reached its place once, it is placed again while it stands
// elsewhere, a few times at most, so that a window manager that keeps it elsewhere on purpose is
// not fought for ever. Once there, the player may move it.
void OuterPlacement::Reframed() {
    if (!placed_ || !window_.isVisible() || window_.isMinimized()) {
        return;
    }
    if (Frame() != placedWith_) {
        Settle();
        PlaceAgain(target_);
        if (reframed_) {
            reframed_();
        }
        return;
    }
    if (!settling_) {
        return;
    }
    if (OuterRect(window_) == target_) {
        settling_ = false;
    } else if (corrections_ < kMostCorrections) {
        ++corrections_;
        PlaceAgain(target_);
    }
}

void OuterPlacement::Place(const Rect& outer) {
    Settle();
    PlaceAgain(outer);
}

void OuterPlacement::PlaceAgain(const Rect& outer) {
    target_ = outer;
    placed_ = true;
    placedWith_ = Frame();
    SetOuterRect(window_, outer);
}

Rect OuterPlacement::Outer() const {
    return placed_ && settling_ ? target_ : OuterRect(window_);
}

void OuterPlacement::SetWidth(int32_t width) {
    Rect outer = Outer();
    outer.right = outer.left + width;
    Place(outer);
}

QMargins OuterPlacement::Frame() const {
    return FrameMargins(window_);
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
        Settle();
        PlaceAgain(target_);
        if (reframed_) {
            reframed_();
        }
    }
}

}  // namespace pipwick
