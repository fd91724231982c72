#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "engine/play_log.h"
#include "model/game_state.h"

namespace pipwick {

// How a hand on the sheet ended.
enum class HandOutcome {
    kInPlay,
    // winner took the pips left in the other hands.
    kWon,
    // Nobody won the pips: equal counts in a blocked hand.
    kNoWinner,
    // winner's play brought a score to the target and ended the game before the hand was over.
    kGameEnded,
};

// One hand of the game as the score sheet shows it.
struct SheetRow {
    int32_t hand = 0;  // 1 for the sheet's first hand
    HandOutcome outcome = HandOutcome::kInPlay;
    int winner = 0;
    // What the hand's last play scored (0 for a blocked hand, or one that scored nothing).
    int32_t lastPlayPoints = 0;
    int32_t pipsAwarded = 0;
    // Every player's score once the hand was over; the scores so far while it is in play.
    int32_t scores[5] = {};
};

// The score sheet of the game under way, hand by hand, kept from the game's own record of its
// moves. The scores are added up from the points and awards as they come, so they never depend on
// reading the game state at the right moment.
class ScoreSheet : public PlayLog {
  public:
    explicit ScoreSheet(const GameState& state) : state_(state) {}

    // A game that was already under way (opened or resumed): the sheet starts from its scores,
    // with its current hand in play.
    void StartFrom();
    // Called after every change of the sheet.
    void OnChange(std::function<void()> changed) { changed_ = std::move(changed); }

    const std::vector<SheetRow>& Rows() const { return rows_; }
    int32_t PlayerCount() const { return playerCount_; }
    // The rules of the game on the sheet: its target, and whether it speaks of pairs.
    const GameRules& Rules() const { return state_.Rules; }
    // The seats taking part, in seat order; with partners, the first seat of each pair, which
    // stands for the pair.
    std::vector<int> Players() const;
    const int32_t (&StartingScores() const)[5] { return startingScores_; }
    // Whether the sheet started from a game already under way, whose starting scores were
    // carried over from before.
    bool CarriedOver() const { return carriedOver_; }
    // Every player's score at the start and after each hand on the sheet (the hand in play
    // included): the chart's line for player.
    std::vector<int32_t> ScoreLine(int player) const;

    void GameStarted() override;
    void HandStarted() override;
    void PlayScored(int player, int32_t points) override;
    void HandEnded(int32_t points, int winner, int32_t gain) override;
    void GameEnded(int winner) override;

  private:
    void AddPoints(int player, int32_t points);
    SheetRow* HandInPlay();
    void Begin(const int32_t (&scores)[5]);
    void Changed();

    const GameState& state_;
    int32_t playerCount_ = 2;
    int32_t startingScores_[5] = {};
    bool carriedOver_ = false;
    int32_t scores_[5] = {};
    int lastScorer_ = 0;
    int32_t lastScore_ = 0;
    std::vector<SheetRow> rows_;
    std::function<void()> changed_;
};

}  // namespace pipwick
