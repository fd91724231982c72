#pragma once

#include <string>
#include <vector>

#include "engine/play_log.h"
#include "model/game_state.h"

namespace pipwick {

// The human's moves of the hand in play, each as the whole state just before it, so that Undo can
// put the game back exactly as it stood. A hand's deal is fixed once it is dealt and the computer
// players choose without chance, so the state alone decides every reply: replaying a move gives
// the same game. The history follows the game as its PlayLog: a move counts once the human has
// played, drawn or passed, and the end of a hand or of the game forgets everything.
class UndoHistory : public PlayLog {
  public:
    // One point to go back to: the game state and the status line shown with it.
    struct Point {
        GameState state;
        std::string status;
    };

    // Called before each of the human's actions with the state and status line it starts from.
    void BeginAction(const GameState& before, std::string status);
    // Called when the action's whole sequence is over: it is kept when the human moved and the
    // hand it was made in still runs.
    void EndAction();

    bool CanUndo() const { return !points_.empty(); }
    // The latest point, taken off the history. Only when CanUndo().
    Point TakeLast();
    void Clear();

    void HandStarted() override { EndOfHistory(); }
    void TilePlayed(int player, int armIndex, const PlacedTile& record) override;
    void TileDrawn(int player, int32_t tile) override;
    void Passed(int player) override;
    void HandEnded(int32_t points, int winner, int32_t gain) override;
    void GameEnded(int winner) override;

  private:
    void HumanMoved(int player);
    void EndOfHistory();

    std::vector<Point> points_;
    Point pending_;
    bool inAction_ = false;
    bool humanMoved_ = false;
    bool handOver_ = false;
};

}  // namespace pipwick
