#pragma once

#include <cstdint>

#include "model/geometry.h"

namespace pipwick::artwork {

// The pieces of an artwork strip at one scale, where the tile drawing reads them (including the
// extra column and row that it reads at 1.5 and 2.0) and where on a tile it puts them.
struct StripGeometry {
    explicit StripGeometry(double scale);

    double scale;
    int32_t a;  // 1 at scale 1.5
    int32_t b;  // 1 at scale 2.0

    int32_t tileWidth;  // an upright tile; a lying one is tileHeight x tileWidth
    int32_t tileHeight;
    int32_t pipSide;

    Rect uprightFace;
    Rect highlightFace;
    Rect lyingFace;
    Rect uprightMask;
    Rect lyingMask;
    Rect lyingLine;  // the dividing line of upright tiles
    Rect highlightLyingLine;
    Rect standingLine;  // the dividing line of lying tiles
    Rect pip;
    Rect highlightPip;

    Point lyingLineOnTile;     // top-left of the lying line on an upright tile
    Point standingLineOnTile;  // top-left of the standing line on a lying tile

    // Pip corners on an upright tile: columns left, middle, right; rows top, middle, bottom of the
    // upper half, then of the lower half.
    int32_t uprightColumn[3];
    int32_t uprightRow[6];
    // Pip corners on a lying tile: columns of the left half, then of the right; rows top, middle,
    // bottom.
    int32_t lyingColumn[6];
    int32_t lyingRow[3];
};

}  // namespace pipwick::artwork
