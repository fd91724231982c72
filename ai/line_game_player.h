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

}  // namespace pipwick
