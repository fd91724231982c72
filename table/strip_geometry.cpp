#include "table/strip_geometry.h"

namespace pipwick {

namespace {

Rect Sized(int32_t left, int32_t top, int32_t width, int32_t height) {
    return {left, top, left + width, top + height};
}

}  // namespace

StripGeometry::StripGeometry(double s) : scale(s), a(s == 1.5 ? 1 : 0), b(s == 2.0 ? 1 : 0) {
    auto t = [s](double units) { return Scaled(units, s); };
    auto whole = [](double pixels) { return static_cast<int32_t>(pixels); };
    tileWidth = t(kTileWidthUnits);
    tileHeight = t(kTileLengthUnits);
    pipSide = t(strip::kPipSide);

    uprightFace = Sized(0, 0, tileWidth, tileHeight);
    highlightFace = Sized(tileWidth, 0, tileWidth, tileHeight);
    lyingFace = Sized(0, t(strip::kLyingFaceTop), tileHeight, tileWidth);
    uprightMask = Sized(0, t(strip::kUprightMaskTop), tileWidth, tileHeight);
    lyingMask = Sized(0, t(strip::kLyingMaskTop), tileHeight, tileWidth);
    lyingLine = Sized(0, t(strip::kLineAndPipTop), whole(13 * s + a + b), whole(4 * s + a));
    highlightLyingLine =
        Sized(tileWidth, t(strip::kLineAndPipTop), whole(13 * s + a + b), whole(4 * s + a));
    standingLine = Sized(t(strip::kStandingLineLeft), whole(71 * s - a), whole(4 * s + a),
                         whole(13 * s + a + b));
    pip = Sized(t(strip::kPipLeft), t(strip::kLineAndPipTop), pipSide, pipSide);
    highlightPip =
        Sized(whole(strip::kPipLeft * s + tileWidth), t(strip::kLineAndPipTop), pipSide, pipSide);

    // Offsets on a tile follow from the drawing's canvas positions less the composing cell's
    // corner; the cell's rows are whole pixels, so they drop out of the truncations.
    const int32_t cellLeft = tileWidth;
    const int32_t r0 = t(strip::kCellTop);
    lyingLineOnTile = {t(26) - cellLeft, whole(19 * s + r0 + a + b) - r0};
    const int32_t columns[3] = {25, 30, 35};
    for (int32_t i = 0; i < 3; ++i) {
        uprightColumn[i] = whole(columns[i] * s + a + b) - cellLeft;
    }
    const int32_t rows[3] = {t(strip::kUpperPipRow), t(strip::kMiddlePipRow),
                             t(strip::kLowerPipRow)};
    for (int32_t i = 0; i < 3; ++i) {
        uprightRow[i] = rows[i] - r0 + (i == 2 ? a : 0);
        uprightRow[i + 3] = whole(rows[i] + kTileWidthUnits * s) - r0 + (i == 2 ? a : 0);
    }

    // Lying tiles are composed below the table window's cell, whose rows start lower.
    const double drop = strip::kTableCellDrop * s;
    const int32_t tableRow[4] = {whole(r0 + drop), whole(rows[0] + drop), whole(rows[1] + drop),
                                 whole(rows[2] + drop)};
    const double lyingDrop = strip::kLyingCellDrop * s;
    const int32_t l0 = whole(tableRow[0] + lyingDrop);
    standingLineOnTile = {whole(20 * s - a - b), whole(5 * s + l0 - a - 2 * b) - l0};
    for (int32_t i = 0; i < 3; ++i) {
        const int32_t row = whole(tableRow[i + 1] + lyingDrop) + (s == 1.0 ? 1 : 0);
        lyingRow[i] = row - l0 + a;
    }
    const int32_t halfColumns[3] = {t(3), t(8), t(13)};
    for (int32_t i = 0; i < 3; ++i) {
        lyingColumn[i] = halfColumns[i] + (i == 2 ? a : 0);
        lyingColumn[i + 3] = whole(halfColumns[i] + kTileWidthUnits * s) + (i == 2 ? a : 0);
    }
}

}  // namespace pipwick
