#include "model/geometry.h"

namespace pipwick {

namespace {

int32_t SizeClassOf(double scale) {
    if (scale == 2.0) {
        return 2;
    }
    return scale == 1.5 ? 1 : 0;
}

// Hand slots of a player window: a tile wide, 23 units apart, the first 3 units in; each left edge
// is computed from the stored one before it.
void FillSlotRects(Rect (&slots)[kHandSlots], double scale, int32_t top) {
    int32_t left = Scaled(3, scale);
    const int32_t bottom = static_cast<int32_t>(top + kTileLengthUnits * scale);
    for (Rect& slot : slots) {
        slot = {left, top, static_cast<int32_t>(left + kTileWidthUnits * scale), bottom};
        left = static_cast<int32_t>(left + 23 * scale);
    }
}

}  // namespace

Geometry MakeGeometry(double scale, int32_t screenWidth, int32_t screenHeight) {
    Geometry g;
    g.ScaleFactor = scale;
    g.SizeClass = SizeClassOf(scale);
    const int32_t left = static_cast<int32_t>(screenWidth / 2 - 320 * scale);
    const int32_t top = static_cast<int32_t>(screenHeight / 2 - 240 * scale);
    g.TableRect = {left, top, static_cast<int32_t>(left + 640 * scale),
                   static_cast<int32_t>(top + 480 * scale)};
    g.CentreTileRect = {Scaled(309, scale), Scaled(218, scale), Scaled(331, scale),
                        Scaled(261, scale)};
    FillSlotRects(g.HandSlotRect, scale, Scaled(14, scale));
    FillSlotRects(g.OpponentSlotRect, scale, Scaled(1, scale));
    return g;
}

}  // namespace pipwick
