#pragma once

#include <cstdint>
#include <span>

#include "model/game_state.h"
#include "model/geometry.h"
#include "savegame/saved_game.h"

namespace pipwick {

// The game's side of opening a saved game. The image is read and checked on a copy of the state;
// only when it passes does the copy, with the layout rebuilt, the drop areas rebuilt, nothing
// picked up and the human to play, replace state. On an error state is exactly as it was.
// The windows' own steps (the "nump" setting, the check mark, "Game opened", the window widths,
// the Draw/Pass label and the table's redraw timer) come after a success.
SavedGameError OpenSavedGame(std::span<const uint8_t> bytes, const Geometry& geometry,
                             GameState& state);

}  // namespace pipwick
