#pragma once

#include <cstdint>

#include "model/game_state.h"
#include "model/geometry.h"

namespace pipwick {

// What the hint advises the human to do on his turn.
struct Hint {
    enum class Kind { kNone, kLead, kPlay, kDraw, kPass };
    Kind kind = Kind::kNone;
    // For a lead or a play: the tile, its slot in the human's hand and the arm index (0..3) it goes
    // on, and what the open ends score once it lies there.
    int slot = kEmptySlot;
    int32_t tile = kNoTile;
    int arm = 0;
    int32_t score = 0;
};

// The game as the human sees it. The tiles he cannot see, those in the other hands and in the
// bone pile, are put back in one fixed order and the record of the deal is blanked, so that
// nothing worked out from it can depend on where a hidden tile lies; every count stays as it is.
GameState VisibleToHuman(const GameState& state);

// What the strongest computer player would do in the human's place, seeing only what he sees.
// Kind::kNone outside his turn.
Hint HintForHuman(const GameState& state, const Geometry& geometry);

}  // namespace pipwick
