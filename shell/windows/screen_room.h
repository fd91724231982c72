#pragma once

#include <QSize>

namespace pipwick {

// What a window manager's frame may add to a window: the borders and the title bar.
constexpr QSize kFrameAllowance(12, 40);

// A window's size as wanted, bounded so that the window lies whole, frame included, on the
// primary screen. Each window's own size is chosen to fit the smallest screen the game supports,
// 800 x 600.
QSize BoundedByScreen(QSize wanted);

}  // namespace pipwick
