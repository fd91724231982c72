#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/clock.h"
#include "engine/play_log.h"

namespace pipwick {

// Deal seeds 1, 2, 3, ...: two games made from fresh sources deal alike.
class CountingSeeds : public SeedSource {
  public:
    uint32_t next = 1;
    uint32_t DealSeed() override { return next++; }
};

// Every move the engine records, as one line.
class LineLog : public PlayLog {
  public:
    std::vector<std::string> lines;
    void HandStarted() override { Add("deal", 0, 0); }
    void TilePlayed(int player, int arm, const PlacedTile& r) override {
        Add("play", player, arm * 100 + r.Tile, r.InnerPip * 10 + r.OuterPip, r.OuterHalf.left);
    }
    void PlayScored(int player, int32_t points) override { Add("scores", player, points); }
    void TileDrawn(int player, int32_t tile) override { Add("draws", player, tile); }
    void Passed(int player) override { Add("passes", player, 0); }
    void HandEnded(int32_t points, int winner, int32_t gain) override {
        Add("hand", winner, gain, points);
    }
    void GameEnded(int winner) override { Add("game", winner, 0); }

  private:
    void Add(const char* what, int a, int b, int c = 0, int d = 0) {
        lines.push_back(std::string(what) + " " + std::to_string(a) + " " + std::to_string(b) +
                        " " + std::to_string(c) + " " + std::to_string(d));
    }
};

}  // namespace pipwick
