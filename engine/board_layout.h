#pragma once

#include "model/game_state.h"
#include "model/geometry.h"

namespace pipwick {

// Every arm's cursor back to its start around the centre tile, every run state 0.
void ResetLayout(GameState& state, const Geometry& geometry);

// One arm's cursor and run state back to its start (the re-rooting resets arms 0 and 2).
void ResetArmLayout(GameState& state, const Geometry& geometry, int arm);

// Gives record its InnerHalf and OuterHalf on arm (0..3) and moves the arm's cursor on.
void LayOutTile(GameState& state, double scale, int arm, PlacedTile& record);

// Lays out every used record again from a layout reset: index 0..27, arms 0..3 at each index.
void RebuildLayout(GameState& state, const Geometry& geometry);

}  // namespace pipwick
