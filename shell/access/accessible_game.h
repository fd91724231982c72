#pragma once

#include "model/game_state.h"
#include "model/geometry.h"
#include "shell/access/hand_keys.h"
#include "shell/access/spoken_moves.h"
#include "shell/storage/settings.h"
#include "shell/windows/qt_game_view.h"
#include "shell/windows/tile_pictures.h"

namespace pipwick {

// The place of arm's open end among the open ends, as the table lists them for assistive
// technologies; -1 when that end is not open.
int OpenEndIndex(const GameState& state, int arm);

// What assistive technologies are told of the game: every tile of every hand by its pips (a
// computer player's as "face down" until the end of the hand turns it up), the open ends of the
// line of play and the tiles on the table, and the status line as a live region.
class AccessibleGame {
  public:
    AccessibleGame(const GameState& state, const Geometry& geometry, const Settings& settings,
                   const Windows& windows, const TilePictures& pictures, const HandKeys& keys);

    // The game's moves, told in the status line as they happen.
    PlayLog& Moves() { return spokenMoves_; }

  private:
    void DescribeHumanHand();
    void DescribeOpponentHands();
    void DescribeTable();

    const GameState& state_;
    const Geometry& geometry_;
    const Windows& windows_;
    const TilePictures& pictures_;
    const HandKeys& keys_;
    SpokenMoves spokenMoves_;
};

}  // namespace pipwick
