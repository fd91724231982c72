#include "shell/windows/screen_room.h"

#include <QGuiApplication>
#include <QScreen>

namespace pipwick {

QSize BoundedByScreen(QSize wanted) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return wanted;
    }
    return wanted.boundedTo(screen->availableSize() - kFrameAllowance);
}

}  // namespace pipwick
