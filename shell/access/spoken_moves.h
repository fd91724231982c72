#pragma once

#include <QString>
#include <functional>

#include "engine/play_log.h"
#include "engine/settings.h"

namespace pipwick {

// The moves of the game put in words for assistive technologies as they happen. The status line
// says whose turn it is, who scored and who passed; this adds who laid which tile where, who drew
// (the tile itself only when the human drew it) and the end of a hand.
class SpokenMoves : public PlayLog {
  public:
    SpokenMoves(const Settings& settings, std::function<void(const QString&)> tell);

    void HandStarted() override { leadNext_ = true; }
    void TilePlayed(int player, int armIndex, const PlacedTile& record) override;
    void TileDrawn(int player, int32_t tile) override;
    void HandEnded(int32_t points, int winner, int32_t gain) override;

  private:
    const std::string& Name(int player) const;

    const Settings& settings_;
    std::function<void(const QString&)> tell_;
    bool leadNext_ = false;
};

}  // namespace pipwick
