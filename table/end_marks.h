#pragma once

#include <cstdint>

#include "assets/canvas.h"
#include "model/geometry.h"

namespace pipwick {

// The mark on an arm's end where a tile can go: a bright ring between two dark lines, so it shows
// on every table colour and on the tile under it. It lies just inside the end's drop area, the
// area a click plays on, and is drawn over what a window shows, never into the table picture.
constexpr uint32_t kEndMarkBright = 0xFFD21Fu;
constexpr uint32_t kEndMarkDark = 0x1A1A1Au;

// The width of the bright ring in pixels at a scale.
int32_t EndMarkRingWidth(double scale);

// Draws the mark inside end onto pixels (clipped to the canvas).
void DrawEndMark(Canvas& pixels, const Rect& end, double scale);

// Draws the mark of the end the keyboard has chosen: the same mark with a second bright ring
// around the end, outside it, so that it stands out among the marks of the other ends and leaves
// the end's pips in sight.
void DrawChosenEndMark(Canvas& pixels, const Rect& end, double scale);
// The area the chosen end's mark covers: the end and the ring around it.
Rect ChosenEndMarkArea(const Rect& end, double scale);

}  // namespace pipwick
