#pragma once

#include <cstdint>

#include "ai/level.h"
#include "model/game_state.h"

namespace pipwick {

using HandSlots = int32_t[kHandSlots];

// A computer player's choice: the hand slot (0..20) of the tile to play and the arm index (0..3)
// to play it on; slot is 21 when no tile fits any arm.
struct Play {
    int slot = kEmptySlot;
    int arm = 0;
    friend bool operator==(const Play&, const Play&) = default;
};

// What a computer player at level plays from hand on the table as it stands. It only looks: the
// same state and hand always give the same play. The Expert needs the rules to play hands out and
// is asked through ChooseExpertPlay (expert_player.h); given Level::Expert this plays as an
// Advanced player.
Play ChooseComputerPlay(const GameState& state, const HandSlots& hand, Level level);

// The Expert's own later moves when it plays a hand out on one of its deals, where every hand is
// dealt: an Advanced player's that also looks at the next opponent's hand. Where nothing scores
// during play (Draw and Block) it weighs what he can follow (ChooseLookAheadLinePlay); where the
// ends score, a play gives up what he could score straight after it.
Play ChooseLookAheadPlay(const GameState& state, const HandSlots& hand);

// The tile to lead a hand with; a lead always goes on arm 0.
Play ChooseLead(const HandSlots& hand);

// For each arm, the lowest slot whose tile shows the arm's open pip; 21 when none does (always
// for a closed arm's pip 7). False when no tile fits anywhere.
bool FirstFittingSlots(const int32_t (&openPips)[kArmCount], const HandSlots& hand,
                       int (&firstFit)[kArmCount]);

// What an Advanced player finds on one arm: its best play and what it scores.
struct ArmEvaluation {
    int firstFittingSlot = kEmptySlot;
    int32_t endCount = 0;
    int bestSlot = kEmptySlot;
    int32_t bestPoints = 0;
    int32_t bestPipTotal = 0;
};

// Looks at every tile of hand that fits openPip, from the arm's first fitting slot on: the one
// whose count (base plus the tile's new end) scores most under scoring, or, while nothing scores,
// the heaviest tile.
void EvaluateArm(ArmEvaluation& arm, EndScoring scoring, int32_t openPip, const HandSlots& hand,
                 int32_t base);

}  // namespace pipwick
