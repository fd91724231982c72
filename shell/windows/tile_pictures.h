#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "assets/domino_sets.h"
#include "engine/clock.h"
#include "model/game_state.h"
#include "model/geometry.h"
#include "shell/storage/settings.h"
#include "table/tile_drawing.h"

namespace pipwick {

// The artwork compiled into the program: the compressed domino sets as ":/qm/ID" and plain
// bitmaps as ":/bitmap/ID".
std::optional<std::vector<uint8_t>> EmbeddedResource(int32_t id);

// The tile pictures of the running program: the table canvas built from the chosen domino set,
// and the drawing of every tile onto the windows' surfaces.
class TilePictures {
  public:
    TilePictures(const GameState& state, const Settings& settings, const Geometry& geometry,
                 Clock& clock, std::function<void()> landingSound,
                 ResourceSource source = EmbeddedResource);

    // Builds the table canvas from the chosen set and table colour, composing cells in
    // buttonFace. On failure the previous canvas stays and the message says why.
    std::optional<std::string> LoadDominoSet(uint32_t buttonFace);
    // From the next load on, composes the tiles from the artwork of sizeClass, larger than the
    // windows' own on a high-density screen, whose surfaces must then hold as many more pixels.
    void UseArtworkSize(int32_t sizeClass) { artworkSize_ = sizeClass; }
    bool Loaded() const { return table_.canvas.Width() > 0; }

    TileDrawer& Drawer() { return drawer_; }
    const TableCanvas& Table() const { return table_; }
    // Copies an area of the table picture onto the table window's surface, in surface pixels.
    void ShowPicture(WindowSurface& tableWindow, const Rect& area) const;

    // The human's tiles upright at their slots, the lower pip on top.
    void PaintHumanHand(WindowSurface& hand);
    // A computer player's tiles, face down unless the hand has ended and they were turned up.
    void PaintOpponentHand(int player, int32_t slotCount, WindowSurface& window);
    void TurnFaceUp(int player) { faceUp_[player] = true; }
    bool FaceUp(int player) const { return faceUp_[player]; }
    void TurnAllFaceDown();

  private:
    void PaintSlot(WindowSurface& window, const Rect& slot, int32_t tile);

    const GameState& state_;
    const Settings& settings_;
    const Geometry& geometry_;
    ResourceSource source_;
    int32_t artworkSize_;
    TableCanvas table_;
    TileDrawer drawer_;
    bool faceUp_[5] = {};
};

}  // namespace pipwick
