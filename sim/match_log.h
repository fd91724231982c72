#pragma once

#include <cstdint>
#include <ostream>

#include "engine/play_log.h"
#include "model/game_kind.h"
#include "sim/match.h"

namespace pipwick {

struct MatchSummary {
    int64_t games = 0;
    int64_t hands = 0;
    int64_t plays = 0;
    int64_t blockedHands = 0;
    int64_t wins[5] = {};
    int64_t finalScoreTotal[5] = {};
};

// Counts what happens in a run of games and, when given a stream, writes every move to it as one
// JSON object per line.
class MatchLog : public PlayLog {
  public:
    MatchLog(const Match& match, std::ostream* trace)
        : MatchLog(match.State(), match.Seeds(), trace) {}
    // A log of any game on state dealt from seeds: a network table's, say.
    MatchLog(const GameState& state, const DerivedSeeds& seeds, std::ostream* trace)
        : state_(state), seeds_(seeds), trace_(trace) {}

    void StartGame(int64_t game);
    // Counts the hand of an opened game, already dealt, as the game's first.
    void ContinueHand();
    // Writes the trace of the first hands hands only.
    void TraceHands(int64_t hands) { traceHands_ = hands; }
    const MatchSummary& Summary() const { return summary_; }

    void GameStarted() override;
    void HandStarted() override;
    void TilePlayed(int player, int armIndex, const PlacedTile& record) override;
    void TileDrawn(int player, int32_t tile) override;
    void Passed(int player) override;
    void HandEnded(int32_t points, int winner, int32_t gain) override;
    void GameEnded(int winner) override;

  private:
    void WriteScores();
    void WriteRules();
    bool Tracing() const {
        return trace_ != nullptr && (traceHands_ == 0 || handsEnded_ < traceHands_);
    }

    const GameState& state_;
    const DerivedSeeds& seeds_;
    std::ostream* trace_;
    MatchSummary summary_;
    int64_t game_ = 0;
    int64_t hand_ = 0;
    int64_t traceHands_ = 0;
    int64_t handsEnded_ = 0;
};

// The summary depends only on the options and the seed, so two runs print the same text. A game
// other than All Fives alone adds its rules and, with partners, each pair's wins.
void PrintSummary(std::ostream& out, const MatchSummary& summary, int32_t players,
                  const GameRules& rules, bool json);

}  // namespace pipwick
