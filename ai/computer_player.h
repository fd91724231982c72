#pragma once

#include <cstdint>

#include "model/game_state.h"

namespace pipwick {

using HandSlots = int32_t[kHandSlots];

// Level 0 plays as a Beginner; any other level as Advanced.
constexpr int32_t kBeginner = 0;

// The slot of the tile a computer player plays from hand (0..20), or 21 when no tile fits any
// arm. Sets state.ChosenArm (1..4) whenever it returns a slot.
int ChooseComputerPlay(GameState& state, const HandSlots& hand, int32_t level);

// The slot to lead a hand with; sets state.ChosenArm to 1.
int ChooseLead(GameState& state, const HandSlots& hand);

// The lowest slot whose tile shows pip; 21 when none does (always for a closed arm's pip 7).
int FirstFittingSlot(int32_t pip, const HandSlots& hand);

// What an Advanced player finds on one arm: its best play and what it scores.
struct ArmEvaluation {
    int firstFittingSlot = kEmptySlot;
    int32_t endCount = 0;
    int bestSlot = kEmptySlot;
    int32_t bestCount = 0;
    int32_t bestPipTotal = 0;
};

// Looks at every tile of hand that fits openPip: the highest count (base plus the tile's new end)
// that is a positive multiple of 5, or, while nothing scores, the heaviest tile.
void EvaluateArm(ArmEvaluation& arm, int32_t openPip, const HandSlots& hand, int32_t base);

}  // namespace pipwick
