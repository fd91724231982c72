#pragma once

#include "model/game_state.h"
#include "savegame/saved_game.h"

namespace pipwick {

// Whether the restored variables of a saved game agree with one another, as they do at every
// moment of a game that was really played: the hands, the deck and the bone pile account for
// each tile once; every tile on the table shows its own pips and joins the one before it; every
// open end is where the line really ends; the side arms are open only once the spinner's are;
// and the counters fit the number of players. A file that fails would let the rules run on a
// table they cannot have made, so it is refused like a broken one.
//
// Expects a state whose values are each in range (ValidateSavedGame's first checks). Returns the
// first rule broken, in the order above, or kNone.
SavedGameError CheckConsistency(const GameState& restored);

}  // namespace pipwick
