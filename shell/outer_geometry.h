#pragma once

#include <QWidget>

#include "model/geometry.h"

namespace pipwick {

// Top-level windows are placed by their outer edges, frame included. The frame's size is known
// only once the window manager has framed a shown window; before that it counts as nothing, and
// each window corrects its height once, half a second after it was placed.

Rect OuterRect(const QWidget& window);
void SetOuterRect(QWidget& window, const Rect& outer);
// Keeps the left edge, the top and the height.
void SetOuterWidth(QWidget& window, int32_t width);

}  // namespace pipwick
