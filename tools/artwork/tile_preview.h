#pragma once

#include "assets/canvas.h"
#include "table/strip_geometry.h"

namespace pipwick::artwork {

struct TilePreview {
    int32_t first = 0;   // pips of the upper (or left) half
    int32_t second = 0;  // pips of the lower (or right) half
    bool lying = false;
    bool highlight = false;
    bool faceDown = false;
};

// Composes a tile from a strip as the game's drawing does: mask with AND, face with OR, then
// plain copies of the dividing line and the pips, at `at` on `target`.
void DrawTilePreview(Canvas& target, Point at, const Canvas& strip, const StripGeometry& g,
                     const TilePreview& tile);

}  // namespace pipwick::artwork
