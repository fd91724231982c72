#include "savegame/open_saved_game.h"

#include "engine/board_layout.h"

namespace pipwick {

namespace {

bool ArmClosed(const GameState& state, int arm) {
    return state.ArmOpenPip[arm] == kNoPip;
}

// Where a tile can be played against: its OuterHalf, or all of it when it is a double.
Rect OpenEndOf(const PlacedTile& record) {
    return IsDouble(record.Tile) ? Union(record.InnerHalf, record.OuterHalf) : record.OuterHalf;
}

Rect LastTileOpenEnd(const GameState& state, int arm) {
    return OpenEndOf(state.Arm[arm][ArmLength(state, arm) - 1]);
}

// A closed arm has no drop area. An empty open arm is played against fromRoot, its side of the
// root tile (record 0 of arm 0); with no root there is nothing to play against.
Rect DropArea(const GameState& state, int arm, const Rect& fromRoot) {
    if (ArmClosed(state, arm) || TableIsEmpty(state)) {
        return Rect{};
    }
    return ArmLength(state, arm) == 0 ? fromRoot : LastTileOpenEnd(state, arm);
}

}  // namespace

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
    opened.CurrentPlayer = 1;
    state = opened;
    return SavedGameError::kNone;
}

void RebuildDropAreas(GameState& state) {
    const PlacedTile& root = state.Arm[0][0];
    state.ArmDropRect[0] = TableIsEmpty(state) ? Rect{} : LastTileOpenEnd(state, 0);
    const Rect wholeOrInner = IsDouble(root.Tile) ? OpenEndOf(root) : root.InnerHalf;
    state.ArmDropRect[2] = DropArea(state, 2, wholeOrInner);
    state.ArmDropRect[1] = DropArea(state, 1, root.InnerHalf);
    state.ArmDropRect[3] = DropArea(state, 3, root.OuterHalf);
}

}  // namespace pipwick
