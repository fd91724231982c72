#pragma once

#include <cstdint>

#include "model/game_state.h"

namespace pipwick {

// What happened in a game, move by move, for those who keep a record of it: the simulator's trace,
// the score sheet, the statistics, the undo history, the spoken moves and the last game's file.
// The windows show the same moments through GameView.
class PlayLog {
  public:
    virtual ~PlayLog() = default;
    // A new game: every score is 0 and the first hand is about to be dealt.
    virtual void GameStarted() {}
    // The deal is done and the leader is CurrentPlayer.
    virtual void HandStarted() {}
    // player laid tile at the open end of arm armIndex (0 for a lead): the move as it was made,
    // before the line re-roots at a spinner, so that the same move can be made again elsewhere.
    virtual void TileLaid(int /*player*/, int /*armIndex*/, int32_t /*tile*/) {}
    // record is the played tile as it lies once the play is complete (after any re-rooting).
    virtual void TilePlayed(int /*player*/, int /*armIndex*/, const PlacedTile& /*record*/) {}
    // The open ends after player's play were worth points in the game under way, now added to his
    // score.
    virtual void PlayScored(int /*player*/, int32_t /*points*/) {}
    virtual void TileDrawn(int /*player*/, int32_t /*tile*/) {}
    virtual void Passed(int /*player*/) {}
    // winner is 0 when nobody won the hand's pips.
    virtual void HandEnded(int32_t /*points*/, int /*winner*/, int32_t /*gain*/) {}
    virtual void GameEnded(int /*winner*/) {}
};

}  // namespace pipwick
