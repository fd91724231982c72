#include "engine/computer_choice.h"

#include "ai/expert_player.h"
#include "engine/rule_playout.h"

namespace pipwick {

Play ChooseAtLevel(const GameState& state, const Geometry& geometry, int seat, Level level) {
    if (level != Level::Expert) {
        return ChooseComputerPlay(state, state.Hand[seat], level);
    }
    RulePlayout playout(geometry);
    return ChooseExpertPlay(MakeExpertView(state, seat), playout);
}

}  // namespace pipwick
