#pragma once

#include "ai/expert_view.h"
#include "ai/hand_playout.h"
#include "engine/game_settings.h"
#include "model/game_state.h"
#include "model/geometry.h"

namespace pipwick {

// Plays hands out on copies of a game with the game's own rules, silently and without pauses: what
// the Expert tries its moves on. A seat known to hold a Beginner plays as one and every other seat
// as an Advanced player, but the Expert's own seat plays as ChooseLookAheadPlay, which also looks
// at the hand the deal gives the next opponent. Each playout has a table of its own,
// so several threads may play out at once.
class RulePlayout final : public HandPlayout {
  public:
    explicit RulePlayout(const Geometry& geometry, const SeatLevels& levels = {});
    PlayoutOutcome PlayOut(const GameState& game, int seat, const Play& play) const override;

  private:
    GameSettings settings_;
    const Geometry& geometry_;
};

}  // namespace pipwick
