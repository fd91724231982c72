#include "table/end_marks.h"

#include <algorithm>

namespace pipwick {

namespace {

// A frame of the given width just inside area.
void Frame(Canvas& pixels, const Rect& area, int32_t width, uint32_t colour) {
    pixels.Fill({area.left, area.top, area.right, area.top + width}, colour);
    pixels.Fill({area.left, area.bottom - width, area.right, area.bottom}, colour);
    pixels.Fill({area.left, area.top, area.left + width, area.bottom}, colour);
    pixels.Fill({area.right - width, area.top, area.right, area.bottom}, colour);
}

Rect Inset(const Rect& area, int32_t by) {
    return {area.left + by, area.top + by, area.right - by, area.bottom - by};
}

}  // namespace

int32_t EndMarkRingWidth(double scale) {
    return std::max(2, Scaled(2, scale));
}

void DrawEndMark(Canvas& pixels, const Rect& end, double scale) {
    const int32_t ring = EndMarkRingWidth(scale);
    if (end.right - end.left < 2 * (ring + 2) || end.bottom - end.top < 2 * (ring + 2)) {
        return;
    }
    Frame(pixels, end, 1, kEndMarkDark);
    Frame(pixels, Inset(end, 1), ring, kEndMarkBright);
    Frame(pixels, Inset(end, 1 + ring), 1, kEndMarkDark);
}

void DrawChosenEndMark(Canvas& pixels, const Rect& end, double scale) {
    DrawEndMark(pixels, end, scale);
    const int32_t ring = EndMarkRingWidth(scale);
    Frame(pixels, Inset(end, -ring), ring, kEndMarkBright);
    Frame(pixels, Inset(end, -ring - 1), 1, kEndMarkDark);
}

Rect ChosenEndMarkArea(const Rect& end, double scale) {
    return Inset(end, -EndMarkRingWidth(scale) - 1);
}

}  // namespace pipwick
