#pragma once

#include <QString>
#include <functional>

#include "engine/announcement.h"
#include "engine/play_log.h"
#include "engine/settings.h"
#include "model/game_state.h"

namespace pipwick {

// The moves of the game put in words for assistive technologies as they happen, each told once:
// who led or laid which tile where and what it scored, who drew (the tile itself only when the
// human drew it), who passed, who won the hand's pips and who won the game.
class SpokenMoves : public PlayLog {
  public:
    SpokenMoves(const GameState& state, const Settings& settings,
                std::function<void(const QString&)> tell);

    void TilePlayed(int player, int armIndex, const PlacedTile& record) override;
    void TileDrawn(int player, int32_t tile) override;
    void Passed(int player) override;
    void HandEnded(int32_t points, int winner, int32_t gain) override;
    void GameEnded(int winner) override;

  private:
    const std::string& Name(int player) const;
    void Tell(const std::string& news) const;

    const GameState& state_;
    const Settings& settings_;
    std::function<void(const QString&)> tell_;
};

// Whether the status line's announcement says again what the moves tell: a play's score, a pass,
// the end of a hand or of the game, or a computer player's turn, which his move follows at once.
bool MovesTellIt(const Announcement& announcement);

}  // namespace pipwick
