#pragma once

#include "engine/trial_play.h"
#include "tests/engine/test_table.h"

namespace pipwick {

// One move at the human's seat, as a player at the windows would make it and always the same for
// the same state: the first tile of the hand that the game accepts on the first arm it fits,
// picked up and dropped there (led with one click on an empty table); else Draw/Pass.
inline void MakeFirstFittingMove(TestTable& table) {
    GameState& s = table.state;
    for (int slot = 0; slot < HandCount(s, kHumanSeat); ++slot) {
        for (int arm = 0; arm < kArmCount; ++arm) {
            if (TryHumanPlay(s, table.geometry, s.Hand[kHumanSeat][slot], arm).accepted) {
                MakeHumanPlay(table.game, {slot, arm});
                return;
            }
        }
    }
    MakeHumanPlay(table.game, Play{});
}

}  // namespace pipwick
