#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "assets/domino_sets.h"
#include "engine/derived_seeds.h"
#include "engine/game_view.h"
#include "table/tile_drawing.h"
#include "table/window_surface.h"

namespace pipwick {

// A view that draws the table as the table window would, without a window: tiles leave their
// players' windows, fly and land in the table picture.
class SnapshotView : public SilentView {
  public:
    SnapshotView(const GameState& state, const GameSettings& settings, const Geometry& geometry,
                 Clock& clock);

    // Builds the table canvas from the artwork of a set; a message when it cannot be loaded.
    std::optional<std::string> LoadSet(int32_t dominoSet, const ResourceSource& source);
    const TableCanvas& Table() const { return table_; }
    // The table picture alone, as the table window shows it.
    Canvas TablePicture() const;
    // The table picture as it stood when the first hand ended, while its end was announced.
    const Canvas& FirstHandEnd() const { return firstHandEnd_; }
    bool FirstHandEnded() const { return firstHandEnd_.Width() > 0; }

    void ShowMessage(Message message, int32_t winner) override;
    void ClearTableAndHands() override;
    void TileLeavesHand(int32_t player, const Rect& source, int32_t tile) override;
    void TileLands(const PlacedTile& record) override;
    void RedrawAllTiles() override;

  private:
    const Geometry& geometry_;
    TableCanvas table_;
    TileDrawer drawer_;
    WindowSurface tableWindow_;
    WindowSurface playerWindow_;
    Canvas firstHandEnd_;
};

// Reads resources by number from a folder laid out as the build makes it: qm/ID.qm for the
// compressed sets and bitmap/ID.bmp for plain bitmaps.
ResourceSource ResourcesInFolder(const std::filesystem::path& folder);

}  // namespace pipwick
