#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "assets/domino_sets.h"
#include "engine/clock.h"
#include "engine/settings.h"
#include "model/game_state.h"
#include "table/strip_geometry.h"
#include "table/window_surface.h"

namespace pipwick {

// The number of steps of a tile's flight at a speed of 1..10.
int32_t FlightSteps(int32_t speed);

// Draws every tile the game shows, composing it from the artwork held in the table canvas, and
// flies played tiles across the table window. Upright tiles are composed in a cell of the button
// face colour for a player window and of the table colour for the table window, so the rounded
// corners blend into whichever window the tile lands in.
class TileDrawer {
  public:
    // landingSound is called when a flight has ended and before the tile is drawn in place: the
    // moment of the click of a tile landing.
    TileDrawer(TableCanvas& table, const GameState& state, const Settings& settings, Clock& clock,
               std::function<void()> landingSound);

    // Draws tile in window: upright when its halves share a left edge (face down when Tile is 0),
    // lying otherwise. A fromLeft other than 0 first flies the tile from (fromLeft, fromTop) in
    // the table window; only the table window is ever given a start.
    void DrawTile(WindowSurface& window, int32_t fromLeft, int32_t fromTop, const PlacedTile& tile);

    // The drawing steps of a play. start is the top-left corner of the tile's slot converted to
    // table window pixels; the tile is drawn upright there and its slot emptied in source.
    void TileLeavesHand(WindowSurface& table, Point start, WindowSurface& hand, const Rect& slot,
                        int32_t tile, uint32_t buttonFace);
    // The flight from where the tile left its hand to its laid-out record.
    void TileLands(WindowSurface& table, const PlacedTile& record);

    // The table picture filled with the table colour and every placed tile drawn again in the
    // order index 0..27, arms 0..3 at each index.
    void RedrawAllTiles(WindowSurface& table);
    void ClearTablePicture(WindowSurface& table);

    // The windows lay their tiles out at windowScale, in window pixels, while the canvas holds the
    // artwork of a larger scale: on a screen with more pixels than window pixels the tiles are
    // composed at the screen's own pixels. Positions given to the drawing stay window pixels; the
    // window surfaces then hold canvas-scale pixels, the canvas scale over windowScale of them to
    // a window pixel. Until this is called the windows show the canvas's own scale.
    void ShowAtWindowScale(double windowScale) { windowScale_ = windowScale; }
    // Where window pixels lie on a surface.
    int32_t OnSurface(int32_t windowPixels) const;
    Rect OnSurface(const Rect& windowArea) const;

  private:
    void Fly(WindowSurface& window, int32_t fromLeft, int32_t fromTop, const PlacedTile& tile);
    void DrawUpright(WindowSurface& window, const PlacedTile& tile);
    void DrawFaceDown(WindowSurface& window, const PlacedTile& tile);
    void DrawLying(WindowSurface& window, const PlacedTile& tile);
    void UprightPips(const StripGeometry& g, int32_t pips, const Rect& piece, Point cell,
                     int32_t firstRow);
    void LyingPips(const StripGeometry& g, int32_t pips, int32_t cellTop, int32_t firstColumn);
    void Pip(const Rect& piece, int32_t x, int32_t y);
    void ShowCell(WindowSurface& window, bool intoPicture, int32_t cellX, int32_t cellY,
                  int32_t width, int32_t height, int32_t windowLeft, int32_t windowTop);
    int32_t UprightCellTop(const WindowSurface& window) const;

    // The table picture lies 44 units into the canvas, a whole number of pixels at every scale.
    int32_t PictureX(int32_t x) const { return Units(44) + x; }
    int32_t Units(double units) const { return Scaled(units, table_.scale); }
    double WindowScale() const { return windowScale_.value_or(table_.scale); }
    void PictureToWindow(WindowSurface& table, const Rect& area);

    TableCanvas& table_;
    const GameState& state_;
    const Settings& settings_;
    Clock& clock_;
    std::function<void()> landingSound_;
    Point flightStart_;
    std::optional<double> windowScale_;
};

}  // namespace pipwick
