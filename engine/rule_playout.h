#pragma once

#include "ai/hand_playout.h"
#include "engine/clock.h"
#include "engine/game_view.h"
#include "engine/settings.h"
#include "model/game_state.h"
#include "model/geometry.h"

namespace pipwick {

// Plays hands out on copies of a game with the game's own rules, silently and without pauses,
// every seat an Advanced player: what the Expert tries its moves on.
class RulePlayout final : public HandPlayout {
  public:
    explicit RulePlayout(const Geometry& geometry);
    PlayoutOutcome PlayOut(const GameState& game, int seat, const Play& play) override;

  private:
    GameState state_;
    Settings settings_;
    const Geometry& geometry_;
    SilentView view_;
    InstantClock clock_;
    NoDeals seeds_;
};

}  // namespace pipwick
