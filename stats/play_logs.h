#pragma once

#include <vector>

#include "engine/play_log.h"

namespace pipwick {

// Hands every move of the game on to each of several records, in the order they were added.
class PlayLogs : public PlayLog {
  public:
    void Add(PlayLog& log) { logs_.push_back(&log); }

    void GameStarted() override { Each(&PlayLog::GameStarted); }
    void HandStarted() override { Each(&PlayLog::HandStarted); }
    void TilePlayed(int player, int armIndex, const PlacedTile& record) override {
        Each(&PlayLog::TilePlayed, player, armIndex, record);
    }
    void PlayScored(int player, int32_t points) override {
        Each(&PlayLog::PlayScored, player, points);
    }
    void TileDrawn(int player, int32_t tile) override { Each(&PlayLog::TileDrawn, player, tile); }
    void Passed(int player) override { Each(&PlayLog::Passed, player); }
    void HandEnded(int32_t points, int winner, int32_t gain) override {
        Each(&PlayLog::HandEnded, points, winner, gain);
    }
    void GameEnded(int winner) override { Each(&PlayLog::GameEnded, winner); }

  private:
    template <typename Event, typename... Args>
    void Each(Event event, const Args&... args) {
        for (PlayLog* log : logs_) {
            (log->*event)(args...);
        }
    }

    std::vector<PlayLog*> logs_;
};

}  // namespace pipwick
