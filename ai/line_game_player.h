#pragma once

#include "ai/computer_player.h"
#include "model/game_state.h"

namespace pipwick {

// How an Advanced player chooses on a line without a spinner (arms 0 and 2 only) when no play
// scores: the hand is won by going out or by holding the lightest hand when it blocks, so each
// play weighs shedding heavy tiles and doubles, keeping tiles for the ends it leaves, and leaving
// ends the next opponent is known to lack or that few unseen tiles can follow. The player is
// state.CurrentPlayer; hand holds his tiles. With no tile on the table it chooses the lead, on arm
// 0.
Play ChooseLineGamePlay(const GameState& state, const HandSlots& hand);

// The same judge where every hand is dealt, as on one of the Expert's deals: it also weighs the
// tiles the next opponent holds that can follow the ends a play leaves, and most of all leaving
// him none, so that he must pass or draw.
Play ChooseLookAheadLinePlay(const GameState& state, const HandSlots& hand);

}  // namespace pipwick
