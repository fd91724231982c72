#pragma once

#include <cstdint>

#include "model/geometry.h"

namespace pipwick {

// Where the pieces lie in an artwork strip, in design units: the faces along the top (upright,
// then highlighted one tile width on), the lying dividing line and the pips in the row below the
// upright faces, the standing line beside them, then the lying face and the two masks.
namespace strip {
constexpr int32_t kLineAndPipTop = kTileLengthUnits;
constexpr int32_t kPipLeft = 14;
constexpr int32_t kPipSide = 5;
constexpr int32_t kStandingLineLeft = 23;
constexpr int32_t kLyingFaceTop = 48;
constexpr int32_t kUprightMaskTop = 70;
constexpr int32_t kLyingMaskTop = 113;

// The drawing composes an upright tile in a cell one tile width in from the canvas's left edge:
// its top, and the rows of the upper half's pips, in a player window. The table window composes
// kTableCellDrop lower, and a lying tile kLyingCellDrop below the upright cell.
constexpr int32_t kCellTop = 250;
constexpr int32_t kUpperPipRow = 253;
constexpr int32_t kMiddlePipRow = 258;
constexpr int32_t kLowerPipRow = 263;
constexpr int32_t kTableCellDrop = 150;
constexpr int32_t kLyingCellDrop = 50;

// A flight keeps the picture under the tile's first place, the picture under its later places,
// and the flying tile's own image, at these rows of the canvas's left edge.
constexpr int32_t kFlightStartSaveTop = 400;
constexpr int32_t kFlightStepSaveTop = 300;
constexpr int32_t kFlightSpriteTop = 400;
}  // namespace strip

// The pieces of an artwork strip at one scale, where the tile drawing reads them (including the
// extra column and row that it reads at 1.5 and 2.0) and where on a tile it puts them. The drawing
// composes every tile from these, and the artwork is drawn to them.
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

}  // namespace pipwick
