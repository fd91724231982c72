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

// The composing rows: a player window's cell lies in the button-face area, the table window's
// 150 units lower in the table colour.
TileDrawer::Rows TileDrawer::UprightRows(const WindowSurface& window) const {
    Rows rows{Units(250), Units(253), Units(258), Units(263)};
    if (window.IsTableWindow()) {
        const double lower = 150 * table_.scale;
        rows = {static_cast<int32_t>(rows.top + lower), static_cast<int32_t>(rows.upper + lower),
                static_cast<int32_t>(rows.middle + lower),
                static_cast<int32_t>(rows.lower + lower)};
    }
    return rows;
}

void TileDrawer::DrawUpright(WindowSurface& window, const PlacedTile& tile) {
    const double s = table_.scale;
    const int32_t a = s == 1.5 ? 1 : 0;
    const int32_t b = s == 2.0 ? 1 : 0;
    const Rows rows = UprightRows(window);
    const int32_t cellX = Units(22);
    const int32_t f =
        state_.SelectedTile < kNoSelection && state_.SelectedTile == tile.Tile ? Units(22) : 0;
    const bool outerOnTop = tile.OuterHalf.top < tile.InnerHalf.top;
    const int32_t upperPips = outerOnTop ? tile.OuterPip : tile.InnerPip;
    const int32_t lowerPips = outerOnTop ? tile.InnerPip : tile.OuterPip;
    const int32_t top = outerOnTop ? tile.OuterHalf.top : tile.InnerHalf.top;
    Canvas& canvas = table_.canvas;

    canvas.And(cellX, rows.top, Units(22), Units(43), canvas, 0, Units(70));
    canvas.Or(cellX, rows.top, Units(22), Units(43), canvas, f, 0);
    canvas.Copy(Units(26), static_cast<int32_t>(19 * s + rows.top + a + b),
                static_cast<int32_t>(13 * s + a + b), static_cast<int32_t>(4 * s + a), canvas, f,
                Units(43));
    UprightPips(upperPips, f, rows.upper, rows.middle, rows.lower + a);
    const double half = 22 * s;
    UprightPips(lowerPips, f, static_cast<int32_t>(rows.upper + half),
                static_cast<int32_t>(rows.middle + half),
                static_cast<int32_t>(rows.lower + half) + a);
    ShowCell(window, window.IsTableWindow(), cellX, rows.top, Units(22), Units(43),
             tile.InnerHalf.left, top);
}

void TileDrawer::UprightPips(int32_t pips, int32_t highlight, int32_t upper, int32_t middle,
                             int32_t lower) {
    const double s = table_.scale;
    const int32_t ab = (s == 1.5 ? 1 : 0) + (s == 2.0 ? 1 : 0);
    const int32_t columns[3] = {static_cast<int32_t>(25 * s + ab),
                                static_cast<int32_t>(30 * s + ab),
                                static_cast<int32_t>(35 * s + ab)};
    const int32_t rows[3] = {upper, middle, lower};
    const int32_t pieceX = static_cast<int32_t>(14 * s + highlight);
    const PipPattern& pattern = kUprightPips[pips];
    for (int i = 0; i < pattern.count; ++i) {
        Pip(pieceX, columns[pattern.places[i].column], rows[pattern.places[i].row]);
    }
}

void TileDrawer::Pip(int32_t pieceX, int32_t x, int32_t y) {
    Canvas& canvas = table_.canvas;
    canvas.Copy(x, y, Units(5), Units(5), canvas, pieceX, Units(43));
}

// A face-down tile is the plain face alone; it is only ever shown in a player window.
void TileDrawer::DrawFaceDown(WindowSurface& window, const PlacedTile& tile) {
    const Rows rows = UprightRows(window);
    const int32_t cellX = Units(22);
    Canvas& canvas = table_.canvas;
    canvas.And(cellX, rows.top, Units(22), Units(43), canvas, 0, Units(70));
    canvas.Or(cellX, rows.top, Units(22), Units(43), canvas, 0, 0);
    const int32_t left = OnSurface(tile.InnerHalf.left), top = OnSurface(tile.InnerHalf.top);
    window.Pixels().Copy(left, top, Units(22), Units(43), canvas, cellX, rows.top);
    window.Show({left, top, left + Units(22), top + Units(43)});
}

// Lying tiles are composed 50 units below the upright cell; at 1.0 the pip rows sit one pixel
// lower to stay centred on the small face.
void TileDrawer::DrawLying(WindowSurface& window, const PlacedTile& tile) {
    const double s = table_.scale;
    const int32_t a = s == 1.5 ? 1 : 0;
    const int32_t b = s == 2.0 ? 1 : 0;
    const Rows upright = UprightRows(window);
    const double down = 50 * s;
    const int32_t nudge = s == 1.0 ? 1 : 0;
    const Rows rows{static_cast<int32_t>(upright.top + down),
                    static_cast<int32_t>(upright.upper + down) + nudge,
                    static_cast<int32_t>(upright.middle + down) + nudge,
                    static_cast<int32_t>(upright.lower + down) + nudge};
    const bool outerOnLeft = tile.OuterHalf.left < tile.InnerHalf.left;
    const int32_t leftPips = outerOnLeft ? tile.OuterPip : tile.InnerPip;
    const int32_t rightPips = outerOnLeft ? tile.InnerPip : tile.OuterPip;
    const int32_t left = outerOnLeft ? tile.OuterHalf.left : tile.InnerHalf.left;
    Canvas& canvas = table_.canvas;

    canvas.And(0, rows.top, Units(43), Units(22), canvas, 0, Units(113));
    canvas.Or(0, rows.top, Units(43), Units(22), canvas, 0, Units(48));
    canvas.Copy(static_cast<int32_t>(20 * s - a - b),
                static_cast<int32_t>(5 * s + rows.top - a - 2 * b), static_cast<int32_t>(4 * s + a),
                static_cast<int32_t>(13 * s + a + b), canvas, Units(23),
                static_cast<int32_t>(71 * s - a));
    LyingPips(leftPips, 0, rows);
    LyingPips(rightPips, Units(22), rows);
    ShowCell(window, true, 0, rows.top, Units(43), Units(22), left, tile.InnerHalf.top);
}

// shift is 0 for the left half and 22 units for the right one.
void TileDrawer::LyingPips(int32_t pips, int32_t shift, const Rows& rows) {
    const double s = table_.scale;
    const int32_t a = s == 1.5 ? 1 : 0;
    const double offset = shift == 0 ? 0 : 22 * s;
    const int32_t columns[3] = {static_cast<int32_t>(Units(3) + offset),
                                static_cast<int32_t>(Units(8) + offset),
                                static_cast<int32_t>(Units(13) + offset) + a};
    const int32_t across[3] = {rows.upper + a, rows.middle + a, rows.lower + a};
    const PipPattern& pattern = kLyingPips[pips];
    for (int i = 0; i < pattern.count; ++i) {
        Pip(Units(14), columns[pattern.places[i].column], across[pattern.places[i].row]);
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
    const int32_t w = Units(22);
    const int32_t h = Units(43);
    const int32_t steps = FlightSteps(settings_.Speed);
    const int32_t dx = (tile.InnerHalf.left - fromLeft) / steps;
    const int32_t dy = (tile.InnerHalf.top - fromTop) / steps;
    const Point startSave{0, Units(400)};
    const Point stepSave{0, Units(300)};
    const Point sprite{Units(22), Units(400)};
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
        PictureToWindow(
            window,
            OnSurface(Rect{
                std::min(px, nx), std::min(py, ny),
                std::max(static_cast<int32_t>(px + 22 * s), static_cast<int32_t>(nx + 22 * s)),
                std::max(static_cast<int32_t>(py + 43 * s), static_cast<int32_t>(ny + 43 * s))}));
        px = nx;
        py = ny;
        here = next;
        clock_.WaitUntil(deadline);
    }
    canvas.Copy(PictureX(here.x), here.y, w, h, canvas, stepSave.x, stepSave.y);
    PictureToWindow(window, {here.x, here.y, here.x + w, here.y + h});
    if (settings_.SoundOn == 1 && landingSound_) {
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
    canvas.Copy(0, Units(400), Units(22), Units(43), canvas, PictureX(OnSurface(start.x)),
                OnSurface(start.y));
    PlacedTile standing;
    standing.Tile = tile;
    standing.InnerPip = LowPip(tile);
    standing.OuterPip = HighPip(tile);
    standing.InnerHalf = {start.x, start.y, 0, 0};
    standing.OuterHalf = {start.x, static_cast<int32_t>(21 * s + start.y), 0, 0};
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
