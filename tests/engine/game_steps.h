#pragma once

#include "engine/game.h"

namespace pipwick {

// Single rule steps of a Game, for the tests that check one step on its own: a tile laid without
// the turn around it, one computer player's turn, the end of a hand, a shuffle and deal.
class GameSteps {
  public:
    explicit GameSteps(Game& game) : game_(game) {}

    void StartHand() { game_.StartHand(); }
    void ShuffleAndDeal() { game_.ShuffleAndDeal(); }
    bool PlaceTile(int player, const Rect& source, int32_t tile, int arm) {
        return game_.PlaceTile(player, source, tile, arm);
    }
    bool AfterPlay(int player) { return game_.AfterPlay(player); }
    void ComputerTurn(int player) { game_.ComputerTurn(player); }
    void EndHand(int32_t points) { game_.EndHand(points); }

  private:
    Game& game_;
};

}  // namespace pipwick
