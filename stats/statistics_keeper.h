#pragma once

#include <functional>

#include "engine/game_settings.h"
#include "engine/play_log.h"
#include "model/game_state.h"
#include "stats/statistics.h"

namespace pipwick {

// The kind of game being played now: the number of players and the strongest computer player's
// level.
GameKind KindOfGame(const GameState& state, const GameSettings& settings);

// Keeps the statistics as games are played, from the game's record of its moves, and from the
// shell's word when a game is opened, kept at the end of the program or resumed.
class StatisticsKeeper : public PlayLog {
  public:
    StatisticsKeeper(Statistics& statistics, const GameState& state, const GameSettings& settings)
        : statistics_(statistics), state_(state), settings_(settings) {}

    // Called after a game was counted, finished or abandoned: the moment to write them down.
    void OnGameCounted(std::function<void()> counted) { counted_ = std::move(counted); }

    // A game opened from a file replaced the one under way, which is abandoned; the opened game
    // is counted from now on.
    void GameOpened();
    // The program ends and the game under way is kept, to be resumed later, in place of any game
    // kept before.
    void GameKept();
    // The kept game is back; a game under way before it is abandoned.
    void GameResumed();

    void GameStarted() override;
    void HandStarted() override;
    void PlayScored(int player, int32_t points) override;
    void HandEnded(int32_t points, int winner, int32_t gain) override;
    void GameEnded(int winner) override;

  private:
    void AbandonGameUnderWay();
    // The kept game is gone for good once another game starts or ends.
    void DropKeptGame();
    void Counted();

    Statistics& statistics_;
    const GameState& state_;
    const GameSettings& settings_;
    bool underWay_ = false;
    GameKind kind_;
    std::function<void()> counted_;
};

}  // namespace pipwick
