#pragma once

#include "ai/expert_view.h"
#include "ai/hand_playout.h"
#include "engine/settings.h"
#include "model/game_state.h"
#include "model/geometry.h"

namespace pipwick {

// Plays hands out on copies of a game with the game's own rules, silently and without pauses: what
// the Expert tries its moves on. A seat known to hold a Beginner plays as one; every other seat,
// the Expert's own included, plays the Advanced rules. Each playout has a table of its own, so
// several threads may play out at once.
class RulePlayout final : public HandPlayout {
  public:
    explicit RulePlayout(const Geometry& geometry, const SeatLevels& levels = {});
    PlayoutOutcome PlayOut(const GameState& game, int seat, const Play& play) const override;

  private:
    Settings settings_;
    const Geometry& geometry_;
};

}  // namespace pipwick
