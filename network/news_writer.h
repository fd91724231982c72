#pragma once

#include <vector>

#include "engine/play_log.h"
#include "model/game_state.h"
#include "network/chair_news.h"

namespace pipwick {

// Sorts the record of a table's game into the news of each chair: the one place where the hidden
// tiles are told apart from what a chair may see. A chair learns his own tiles, every play, how
// many tiles each hand holds, who drew and passed, the scores, and the hands turned face up at a
// hand's end; never another hand's tiles before they are shown, the bone pile or the seed.
// Every move is also passed on to the table's trace, when it keeps one.
class ChairNewsWriter : public PlayLog {
  public:
    explicit ChairNewsWriter(const GameState& state) : state_(state) {}

    // The news for seat (1..4) since the last call; nothing for a seat that is no chair.
    std::vector<ChairNews> Take(int seat);
    // All seat has been told since the game started: what a player who comes back needs to see
    // his chair again.
    const std::vector<ChairNews>& Told(int seat) const;
    // Tells every chair of a person gone or back.
    void StandInChanged(int seat, bool standingIn);
    void PassOnTo(PlayLog* trace) { trace_ = trace; }

    void GameStarted() override;
    void HandStarted() override;
    void TileLaid(int player, int armIndex, int32_t tile) override;
    void TilePlayed(int player, int armIndex, const PlacedTile& record) override;
    void PlayScored(int player, int32_t points) override;
    void TileDrawn(int player, int32_t tile) override;
    void Passed(int player) override;
    void HandEnded(int32_t points, int winner, int32_t gain) override;
    void GameEnded(int winner) override;

  private:
    void ToEveryChair(const ChairNews& news);
    void ToChair(int seat, const ChairNews& news);
    ChairNews Counted(NewsKind kind, int seat) const;

    const GameState& state_;
    std::vector<ChairNews> news_[5];
    std::vector<ChairNews> told_[5];
    PlayLog noTrace_;
    PlayLog* trace_ = &noTrace_;
};

}  // namespace pipwick
