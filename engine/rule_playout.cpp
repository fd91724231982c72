#include "engine/rule_playout.h"

#include <algorithm>
#include <iterator>

#include "engine/game.h"

namespace pipwick {

RulePlayout::RulePlayout(const Geometry& geometry) : geometry_(geometry) {
    ResetGameState(state_);
    std::fill(std::begin(settings_.PlayerLevel), std::end(settings_.PlayerLevel),
              static_cast<int32_t>(Level::Advanced));
    settings_.PlayDelay = 0;
}

PlayoutOutcome RulePlayout::PlayOut(const GameState& game, int seat, const Play& play) {
    state_ = game;
    Game rules(state_, settings_, geometry_, view_, clock_, seeds_);
    rules.PlayOutHand(seat, play);
    PlayoutOutcome outcome{};
    std::copy(std::begin(state_.Scores), std::end(state_.Scores), outcome.Scores);
    outcome.Winner = state_.GameInProgress == 0 ? GameWinner(state_) : 0;
    return outcome;
}

}  // namespace pipwick
