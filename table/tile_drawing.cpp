// Tile drawing and flights.
//
// Every tile is composed from pieces of the artwork strip in a scratch cell of the table canvas:
// the mask goes in with AND and the face with OR, so the cell's own colour shows at the rounded
// corners, and then the dividing line and the pips are copied onto the face. The finished cell is
// copied to the window and, for the table window, into the table picture, from which the table
// window repaints. All positions are design units times the scale, truncated; a and b nudge the
// pieces by a pixel at 1.5 and 2.0 so that they stay centred on the scaled faces.
//
// A flight moves the tile's upright image across the table picture in a few steps, each saving
// the picture under the image's new place before drawing it there and putting the old place back,
// so the picture holds no trace of the flight afterwards. Each step waits for its own deadline, so
// slow drawing does not lengthen a flight.
//
// On a high-density screen the canvas holds larger artwork than the windows' scale: the tiles are
// composed by the rules of that larger scale, and only their positions, which are window pixels,
// are carried over to the surfaces' finer pixels.
#include "table/tile_drawing.h"

#include <algorithm>
#include <cmath>

#include "engine/pauses.h"
#include "table/pip_patterns.h"
#include "table/strip_geometry.h"

namespace pipwick {

int32_t FlightSteps(int32_t speed) {
    return 14 - std::clamp(speed, 1, 10);
}

int32_t TileDrawer::OnSurface(int32_t windowPixels) const {
    if (!windowScale_) {
        return windowPixels;
    }
    // Both scales are halves, so the quotient is exact whenever it is whole.
    return static_cast<int32_t>(std::floor(windowPixels * table_.scale / *windowScale_));
}

Rect TileDrawer::OnSurface(const Rect& windowArea) const {
    return {OnSurface(windowArea.left), OnSurface(windowArea.top), OnSurface(windowArea.right),
            OnSurface(windowArea.bottom)};
}

TileDrawer::TileDrawer(TableCanvas& table, const GameState& state, const Settings& settings,
                       Clock& clock, std::function<void()> landingSound)
    : table_(table),
      state_(state),
      settings_(settings),
      clock_(clock),
      landingSound_(std::move(landingSound)) {}

void TileDrawer::DrawTile(WindowSurface& window, int32_t fromLeft, int32_t fromTop,
                          const PlacedTile& tile) {
    if (fromLeft != 0) {
        Fly(window, fromLeft, fromTop, tile);
    }
    if (tile.InnerHalf.left != tile.OuterHalf.left) {
        DrawLying(window, tile);
    } else if (tile.Tile == kNoTile) {
        DrawFaceDown(window, tile);
    } else {
        DrawUpright(window, tile);
    }
}

// The composing cell's top: a player window's cell lies in the button-face area, the table
// window's lower in the table colour.
int32_t TileDrawer::UprightCellTop(const WindowSurface& window) const {
    const int32_t top = Units(strip::kCellTop);
    if (window.IsTableWindow()) {
        return static_cast<int32_t>(top + strip::kTableCellDrop * table_.scale);
    }
    return top;
}

void TileDrawer::DrawUpright(WindowSurface& window, const PlacedTile& tile) {
    const StripGeometry g(table_.scale);
    const int32_t cellTop = UprightCellTop(window);
    const int32_t cellX = g.tileWidth;
    const bool highlighted = state_.SelectedTile < kNoSelection && state_.SelectedTile == tile.Tile;
    const Rect& face = highlighted ? g.highlightFace : g.uprightFace;
    const Rect& line = highlighted ? g.highlightLyingLine : g.lyingLine;
    const bool outerOnTop = tile.OuterHalf.top < tile.InnerHalf.top;
    const int32_t upperPips = outerOnTop ? tile.OuterPip : tile.InnerPip;
    const int32_t lowerPips = outerOnTop ? tile.InnerPip : tile.OuterPip;
    const int32_t top = outerOnTop ? tile.OuterHalf.top : tile.InnerHalf.top;
    Canvas& canvas = table_.canvas;

    canvas.And(cellX, cellTop, g.tileWidth, g.tileHeight, canvas, g.uprightMask.left,
               g.uprightMask.top);
    canvas.Or(cellX, cellTop, g.tileWidth, g.tileHeight, canvas, face.left, face.top);
    canvas.Copy(cellX + g.lyingLineOnTile.x, cellTop + g.lyingLineOnTile.y, line.right - line.left,
                line.bottom - line.top, canvas, line.left, line.top);
    const Rect& pip = highlighted ? g.highlightPip : g.pip;
    UprightPips(g, upperPips, pip, {cellX, cellTop}, 0);
    UprightPips(g, lowerPips, pip, {cellX, cellTop}, 3);
    ShowCell(window, window.IsTableWindow(), cellX, cellTop, g.tileWidth, g.tileHeight,
             tile.InnerHalf.left, top);
}

// firstRow is 0 for the upper half's pips and 3 for the lower half's.
void TileDrawer::UprightPips(const StripGeometry& g, int32_t pips, const Rect& piece, Point cell,
                             int32_t firstRow) {
    const PipPattern& pattern = kUprightPips[pips];
    for (int i = 0; i < pattern.count; ++i) {
        Pip(piece, cell.x + g.uprightColumn[pattern.places[i].column],
            cell.y + g.uprightRow[firstRow + pattern.places[i].row]);
    }
}

void TileDrawer::Pip(const Rect& piece, int32_t x, int32_t y) {
    Canvas& canvas = table_.canvas;
    canvas.Copy(x, y, piece.right - piece.left, piece.bottom - piece.top, canvas, piece.left,
                piece.top);
}

// A face-down tile is the plain face alone; it is only ever shown in a player window.
void TileDrawer::DrawFaceDown(WindowSurface& window, const PlacedTile& tile) {
    const StripGeometry g(table_.scale);
    const int32_t cellTop = UprightCellTop(window);
    const int32_t cellX = g.tileWidth;
    const int32_t w = g.tileWidth, h = g.tileHeight;
    Canvas& canvas = table_.canvas;
    canvas.And(cellX, cellTop, w, h, canvas, g.uprightMask.left, g.uprightMask.top);
    canvas.Or(cellX, cellTop, w, h, canvas, g.uprightFace.left, g.uprightFace.top);
    const int32_t left = OnSurface(tile.InnerHalf.left), top = OnSurface(tile.InnerHalf.top);
    window.Pixels().Copy(left, top, w, h, canvas, cellX, cellTop);
    window.Show({left, top, left + w, top + h});
}

// Lying tiles are composed below the upright cell.
void TileDrawer::DrawLying(WindowSurface& window, const PlacedTile& tile) {
    const StripGeometry g(table_.scale);
    const int32_t cellTop =
        static_cast<int32_t>(UprightCellTop(window) + strip::kLyingCellDrop * table_.scale);
    const bool outerOnLeft = tile.OuterHalf.left < tile.InnerHalf.left;
    const int32_t leftPips = outerOnLeft ? tile.OuterPip : tile.InnerPip;
    const int32_t rightPips = outerOnLeft ? tile.InnerPip : tile.OuterPip;
    const int32_t left = outerOnLeft ? tile.OuterHalf.left : tile.InnerHalf.left;
    Canvas& canvas = table_.canvas;

    const Rect& line = g.standingLine;
    canvas.And(0, cellTop, g.tileHeight, g.tileWidth, canvas, g.lyingMask.left, g.lyingMask.top);
    canvas.Or(0, cellTop, g.tileHeight, g.tileWidth, canvas, g.lyingFace.left, g.lyingFace.top);
    canvas.Copy(g.standingLineOnTile.x, cellTop + g.standingLineOnTile.y, line.right - line.left,
                line.bottom - line.top, canvas, line.left, line.top);
    LyingPips(g, leftPips, cellTop, 0);
    LyingPips(g, rightPips, cellTop, 3);
    ShowCell(window, true, 0, cellTop, g.tileHeight, g.tileWidth, left, tile.InnerHalf.top);
}

// firstColumn is 0 for the left half's pips and 3 for the right half's.
void TileDrawer::LyingPips(const StripGeometry& g, int32_t pips, int32_t cellTop,
                           int32_t firstColumn) {
    const PipPattern& pattern = kLyingPips[pips];
    for (int i = 0; i < pattern.count; ++i) {
        Pip(g.pip, g.lyingColumn[firstColumn + pattern.places[i].column],
            cellTop + g.lyingRow[pattern.places[i].row]);
    }
}

// The finished cell goes to the window, and into the table picture for every tile that lies on
// the table. left and top are window pixels.
void TileDrawer::ShowCell(WindowSurface& window, bool intoPicture, int32_t cellX, int32_t cellY,
                          int32_t width, int32_t height, int32_t windowLeft, int32_t windowTop) {
    const int32_t left = OnSurface(windowLeft), top = OnSurface(windowTop);
    Canvas& canvas = table_.canvas;
    if (intoPicture) {
        canvas.Copy(PictureX(left), top, width, height, canvas, cellX, cellY);
    }
    window.Pixels().Copy(left, top, width, height, canvas, cellX, cellY);
    window.Show({left, top, left + width, top + height});
}

void TileDrawer::PictureToWindow(WindowSurface& table, const Rect& area) {
    table.Pixels().Copy(area.left, area.top, area.right - area.left, area.bottom - area.top,
                        table_.canvas, PictureX(area.left), area.top);
    table.Show(area);
}

// The flight's steps are counted in window pixels; each place is then found on the surface.
void TileDrawer::Fly(WindowSurface& window, int32_t fromLeft, int32_t fromTop,
                     const PlacedTile& tile) {
    const double s = WindowScale();
    const int32_t w = Units(kTileWidthUnits);
    const int32_t h = Units(kTileLengthUnits);
    const int32_t steps = FlightSteps(settings_.Speed);
    const int32_t dx = (tile.InnerHalf.left - fromLeft) / steps;
    const int32_t dy = (tile.InnerHalf.top - fromTop) / steps;
    const Point startSave{0, Units(strip::kFlightStartSaveTop)};
    const Point stepSave{0, Units(strip::kFlightStepSaveTop)};
    const Point sprite{w, Units(strip::kFlightSpriteTop)};
    Canvas& canvas = table_.canvas;

    Point here{OnSurface(fromLeft), OnSurface(fromTop)};
    canvas.Copy(sprite.x, sprite.y, w, h, canvas, PictureX(here.x), here.y);
    int32_t px = fromLeft;
    int32_t py = fromTop;
    for (int32_t step = 1; step < steps; ++step) {
        const uint32_t deadline = clock_.TickCount() + pause::kFlightStep;
        const int32_t nx = px + dx;
        const int32_t ny = py + dy;
        const Point next{OnSurface(nx), OnSurface(ny)};
        const Point& under = step == 1 ? startSave : stepSave;
        canvas.Copy(PictureX(here.x), here.y, w, h, canvas, under.x, under.y);
        canvas.Copy(stepSave.x, stepSave.y, w, h, canvas, PictureX(next.x), next.y);
        canvas.Copy(PictureX(next.x), next.y, w, h, canvas, sprite.x, sprite.y);
        PictureToWindow(window,
                        OnSurface(Rect{std::min(px, nx), std::min(py, ny),
                                       std::max(static_cast<int32_t>(px + kTileWidthUnits * s),
                                                static_cast<int32_t>(nx + kTileWidthUnits * s)),
                                       std::max(static_cast<int32_t>(py + kTileLengthUnits * s),
                                                static_cast<int32_t>(ny + kTileLengthUnits * s))}));
        px = nx;
        py = ny;
        here = next;
        clock_.WaitUntil(deadline);
    }
    canvas.Copy(PictureX(here.x), here.y, w, h, canvas, stepSave.x, stepSave.y);
    PictureToWindow(window, {here.x, here.y, here.x + w, here.y + h});
    if (landingSound_) {
        landingSound_();
    }
}

void TileDrawer::TileLeavesHand(WindowSurface& table, Point start, WindowSurface& hand,
                                const Rect& slot, int32_t tile, uint32_t buttonFace) {
    const double s = WindowScale();
    start.x = start.x < 3 ? 3 : (start.x > 614 * s ? Scaled(614, s) : start.x);
    start.y = start.y < 3 ? 3 : (start.y > 434 * s ? Scaled(434, s) : start.y);
    flightStart_ = start;
    Canvas& canvas = table_.canvas;
    canvas.Copy(0, Units(strip::kFlightStartSaveTop), Units(kTileWidthUnits),
                Units(kTileLengthUnits), canvas, PictureX(OnSurface(start.x)), OnSurface(start.y));
    PlacedTile standing;
    standing.Tile = tile;
    standing.InnerPip = LowPip(tile);
    standing.OuterPip = HighPip(tile);
    standing.InnerHalf = {start.x, start.y, 0, 0};
    standing.OuterHalf = {start.x, static_cast<int32_t>(kSecondHalfUnits * s + start.y), 0, 0};
    DrawTile(table, 0, 0, standing);
    const Rect emptied = OnSurface(slot);
    hand.Pixels().Fill(emptied, buttonFace);
    hand.Show(emptied);
}

void TileDrawer::TileLands(WindowSurface& table, const PlacedTile& record) {
    DrawTile(table, flightStart_.x, flightStart_.y, record);
}

void TileDrawer::ClearTablePicture(WindowSurface& table) {
    table_.canvas.Fill({PictureX(0), 0, Units(684), Units(480)}, table_.backgroundColor);
    PictureToWindow(table, {0, 0, Units(640), Units(480)});
}

void TileDrawer::RedrawAllTiles(WindowSurface& table) {
    table_.canvas.Fill({PictureX(0), 0, Units(684), Units(480)}, table_.backgroundColor);
    for (int index = 0; index < kArmLength; ++index) {
        for (int arm = 0; arm < kArmCount; ++arm) {
            const PlacedTile& record = state_.Arm[arm][index];
            if (record.Tile != kNoTile) {
                DrawTile(table, 0, 0, record);
            }
        }
    }
}

}  // namespace pipwick
