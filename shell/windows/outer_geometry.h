#pragma once

#include <QMargins>
#include <QWidget>

#include "model/geometry.h"

namespace pipwick {

// Top-level windows are placed by their outer edges, frame included. The frame's size is known
// only once the window manager has framed a shown window; before that it counts as nothing (and
// OuterPlacement places the window again once it is framed).

// The frame's width on each side of the client area, nothing before the window is framed.
QMargins FrameMargins(const QWidget& window);
Rect OuterRect(const QWidget& window);
void SetOuterRect(QWidget& window, const Rect& outer);

}  // namespace pipwick
