#include "engine/trial_play.h"

#include "engine/game.h"

namespace pipwick {

TrialPlay TryHumanPlay(const GameState& state, const Geometry& geometry, int32_t tile,
                       int armIndex) {
    if (tile < 1 || tile > kTileCount || armIndex < 0 || armIndex >= kArmCount) {
        return {};
    }
    GameState trial = state;
    GameSettings settings;
    SilentView view;
    InstantClock clock;
    NoDeals deals;
    Game game(trial, settings, geometry, view, clock, deals);
    if (!game.PlaceTile(kHumanSeat, Rect{}, tile, armIndex + 1)) {
        return {};
    }
    return {true, PlayScore(trial)};
}

}  // namespace pipwick
