#pragma once

#include "ai/computer_player.h"
#include "ai/expert_view.h"
#include "engine/seats.h"
#include "model/game_state.h"
#include "model/geometry.h"

namespace pipwick {

// What a computer player at level plays now in seat's place. Beginner and Advanced choose from
// the seat's hand and the table; the Expert also plays hands out with the engine's rules, seeing
// only what seat may know, with the others' levels as levels tells. It only looks: the same state
// always gives the same play.
Play ChooseAtLevel(const GameState& state, const Geometry& geometry, int seat, Level level,
                   const SeatLevels& levels = {});

// The levels on show at the table: every computer seat's, from the settings; never a person's.
SeatLevels ComputerSeatLevels(const GameState& state, const Seats& seats,
                              const int32_t (&settingLevels)[5]);

}  // namespace pipwick
