#include "engine/computer_choice.h"

#include "ai/expert_player.h"
#include "engine/rule_playout.h"

namespace pipwick {

Play ChooseAtLevel(const GameState& state, const Geometry& geometry, int seat, Level level,
                   const SeatLevels& levels) {
    if (level != Level::Expert) {
        return ChooseComputerPlay(state, state.Hand[seat], level);
    }
    const RulePlayout playout(geometry, levels);
    return ChooseExpertPlay(MakeExpertView(state, seat, levels), playout);
}

SeatLevels ComputerSeatLevels(const GameState& state, const Seats& seats,
                              const int32_t (&settingLevels)[5]) {
    SeatLevels levels;
    for (int player = 1; player <= 4; ++player) {
        levels.Known[player] = !IsPerson(seats, player) && TakesPart(state, player);
        levels.Of[player] = LevelFromSetting(settingLevels[player]);
    }
    return levels;
}

}  // namespace pipwick
