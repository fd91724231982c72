#include "engine/rule_playout.h"

#include <algorithm>
#include <iterator>

#include "engine/game.h"

namespace pipwick {

RulePlayout::RulePlayout(const Geometry& geometry) : geometry_(geometry) {
    std::fill(std::begin(settings_.PlayerLevel), std::end(settings_.PlayerLevel),
              static_cast<int32_t>(Level::Advanced));
    settings_.SoundOn = 0;
    settings_.PlayDelay = 0;
}

PlayoutOutcome RulePlayout::PlayOut(const GameState& game, int seat, const Play& play) const {
    GameState state = game;
    SilentView view;
    InstantClock clock;
    NoDeals seeds;
    Game rules(state, settings_, geometry_, view, clock, seeds);
    rules.PlayOutHand(seat, play);
    PlayoutOutcome outcome{};
    std::copy(std::begin(state.Scores), std::end(state.Scores), outcome.Scores);
    outcome.Winner = state.GameInProgress == 0 ? GameWinner(state) : 0;
    return outcome;
}

}  // namespace pipwick
