#include "tools/artwork/tile_preview.h"

namespace pipwick::artwork {

namespace {

struct Spot {
    int32_t column, row;  // 0..2 each: left/top, middle, right/bottom
};

struct Pattern {
    int32_t count;
    Spot spots[6];
};

// Pip places of each value on an upright half (columns across, rows down)...
constexpr Pattern kUpright[7] = {
    {0, {}},
    {1, {{1, 1}}},
    {2, {{0, 2}, {2, 0}}},
    {3, {{1, 1}, {0, 2}, {2, 0}}},
    {4, {{0, 2}, {2, 0}, {0, 0}, {2, 2}}},
    {5, {{1, 1}, {0, 2}, {2, 0}, {0, 0}, {2, 2}}},
    {6, {{0, 2}, {2, 0}, {0, 0}, {2, 2}, {0, 1}, {2, 1}}},
};

// ... and on a lying half.
constexpr Pattern kLying[7] = {
    {0, {}},
    {1, {{1, 1}}},
    {2, {{0, 0}, {2, 2}}},
    {3, {{1, 1}, {0, 0}, {2, 2}}},
    {4, {{0, 0}, {2, 2}, {0, 2}, {2, 0}}},
    {5, {{0, 0}, {2, 2}, {0, 2}, {2, 0}, {1, 1}}},
    {6, {{0, 0}, {2, 2}, {0, 2}, {2, 0}, {1, 0}, {1, 2}}},
};

void CopyPiece(Canvas& target, Point at, const Canvas& strip, const Rect& piece) {
    target.Copy(at.x, at.y, piece.right - piece.left, piece.bottom - piece.top, strip, piece.left,
                piece.top);
}

void DrawUpright(Canvas& target, Point at, const Canvas& strip, const StripGeometry& g,
                 const TilePreview& tile) {
    const Rect& face = tile.highlight && !tile.faceDown ? g.highlightFace : g.uprightFace;
    target.And(at.x, at.y, g.tileWidth, g.tileHeight, strip, g.uprightMask.left, g.uprightMask.top);
    target.Or(at.x, at.y, g.tileWidth, g.tileHeight, strip, face.left, face.top);
    if (tile.faceDown) {
        return;
    }
    CopyPiece(target, {at.x + g.lyingLineOnTile.x, at.y + g.lyingLineOnTile.y}, strip,
              tile.highlight ? g.highlightLyingLine : g.lyingLine);
    const Rect& pip = tile.highlight ? g.highlightPip : g.pip;
    const int32_t halves[2] = {tile.first, tile.second};
    for (int32_t half = 0; half < 2; ++half) {
        const Pattern& pattern = kUpright[halves[half]];
        for (int32_t i = 0; i < pattern.count; ++i) {
            const Spot& spot = pattern.spots[i];
            CopyPiece(
                target,
                {at.x + g.uprightColumn[spot.column], at.y + g.uprightRow[half * 3 + spot.row]},
                strip, pip);
        }
    }
}

void DrawLying(Canvas& target, Point at, const Canvas& strip, const StripGeometry& g,
               const TilePreview& tile) {
    target.And(at.x, at.y, g.tileHeight, g.tileWidth, strip, g.lyingMask.left, g.lyingMask.top);
    target.Or(at.x, at.y, g.tileHeight, g.tileWidth, strip, g.lyingFace.left, g.lyingFace.top);
    CopyPiece(target, {at.x + g.standingLineOnTile.x, at.y + g.standingLineOnTile.y}, strip,
              g.standingLine);
    const int32_t halves[2] = {tile.first, tile.second};
    for (int32_t half = 0; half < 2; ++half) {
        const Pattern& pattern = kLying[halves[half]];
        for (int32_t i = 0; i < pattern.count; ++i) {
            const Spot& spot = pattern.spots[i];
            CopyPiece(target,
                      {at.x + g.lyingColumn[half * 3 + spot.column], at.y + g.lyingRow[spot.row]},
                      strip, g.pip);
        }
    }
}

}  // namespace

void DrawTilePreview(Canvas& target, Point at, const Canvas& strip, const StripGeometry& g,
                     const TilePreview& tile) {
    if (tile.lying) {
        DrawLying(target, at, strip, g, tile);
    } else {
        DrawUpright(target, at, strip, g, tile);
    }
}

}  // namespace pipwick::artwork
