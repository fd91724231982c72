#include "savegame/open_saved_game.h"

#include "engine/board_layout.h"
#include "engine/drop_areas.h"

namespace pipwick {

SavedGameError OpenSavedGame(std::span<const uint8_t> bytes, const Geometry& geometry,
                             GameState& state) {
    GameState opened = state;
    // Every record and hand slot is in the image, so restoring them also frees the records and
    // empties the hands of the game that was running.
    if (const SavedGameError error = ReadSavedGameImage(bytes, opened);
        error != SavedGameError::kNone) {
        return error;
    }
    opened.GameInProgress = 1;
    // The saved game does not hold what was seen happen in its hand.
    opened.History.Count = 0;
    RebuildLayout(opened, geometry);
    RebuildDropAreas(opened);
    opened.SelectedTile = kNoSelection;
    opened.CurrentPlayer = kHumanSeat;
    state = opened;
    return SavedGameError::kNone;
}

}  // namespace pipwick
