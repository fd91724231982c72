#include "tools/artwork/tile_preview.h"

#include "table/pip_patterns.h"

namespace pipwick::artwork {

namespace {

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
        const PipPattern& pattern = kUprightPips[halves[half]];
        for (int32_t i = 0; i < pattern.count; ++i) {
            const PipPlace& spot = pattern.places[i];
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
        const PipPattern& pattern = kLyingPips[halves[half]];
        for (int32_t i = 0; i < pattern.count; ++i) {
            const PipPlace& spot = pattern.places[i];
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
