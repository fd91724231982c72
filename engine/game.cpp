#include "engine/game.h"

namespace pipwick {

Game::Game(GameState& state, const GameSettings& settings, const Geometry& geometry, GameView& view,
           Clock& clock, SeedSource& seeds)
    : state_(state),
      settings_(settings),
      geometry_(geometry),
      view_(&view),
      clock_(clock),
      seeds_(&seeds) {}

}  // namespace pipwick
