#pragma once

#include "model/game_state.h"
#include "model/geometry.h"

namespace pipwick {

// Where the human drops a tile to play it on an arm. An arm is played against the open end of
// its last tile: that tile's OuterHalf, or the whole tile when it is a double. An empty open arm
// is played against the side of the root (record 0 of arm 0) it grows from: arm 1 the root's
// InnerHalf, arm 3 its OuterHalf, arm 2 its InnerHalf or the whole root when that is a double. A
// closed arm has no drop area. Placing keeps the areas up to date play by play; an opened game,
// which holds no areas, rebuilds them all at once from the same rule.

// The open end of an arm whose last tile is record.
Rect OpenEndOf(const PlacedTile& record);

// The drop area of the empty open arm 1, 2 or 3 on the side of root.
Rect RootSideOf(const PlacedTile& root, int arm);

// Every arm's drop area from the laid-out records of a settled table.
void RebuildDropAreas(GameState& state);

}  // namespace pipwick
