#include "engine/rule_playout.h"

#include <algorithm>
#include <iterator>

#include "engine/game.h"

namespace pipwick {

RulePlayout::RulePlayout(const Geometry& geometry, const SeatLevels& levels) : geometry_(geometry) {
    for (int player = 0; player <= 4; ++player) {
        const bool beginner = levels.Known[player] && levels.Of[player] == Level::Beginner;
        settings_.PlayerLevel[player] =
            static_cast<int32_t>(beginner ? Level::Beginner : Level::Advanced);
    }
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
