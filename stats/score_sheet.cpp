#include "stats/score_sheet.h"

#include <algorithm>

#include "model/rules.h"

namespace pipwick {

void ScoreSheet::Begin(const int32_t (&scores)[5]) {
    playerCount_ = state_.PlayerCount;
    std::copy(std::begin(scores), std::end(scores), startingScores_);
    std::copy(std::begin(scores), std::end(scores), scores_);
    lastScorer_ = 0;
    lastScore_ = 0;
    rows_.clear();
}

void ScoreSheet::StartFrom() {
    Begin(state_.Scores);
    carriedOver_ = true;
    if (state_.GameInProgress == 1) {
        HandStarted();
    } else {
        Changed();
    }
}

void ScoreSheet::GameStarted() {
    Begin({});
    carriedOver_ = false;
    Changed();
}

void ScoreSheet::HandStarted() {
    SheetRow row;
    row.hand = static_cast<int32_t>(rows_.size()) + 1;
    std::copy(std::begin(scores_), std::end(scores_), row.scores);
    rows_.push_back(row);
    Changed();
}

void ScoreSheet::PlayScored(int player, int32_t points) {
    AddPoints(player, points);
    lastScorer_ = player;
    lastScore_ = points;
    if (SheetRow* row = HandInPlay()) {
        std::copy(std::begin(scores_), std::end(scores_), row->scores);
    }
    Changed();
}

void ScoreSheet::HandEnded(int32_t points, int winner, int32_t gain) {
    SheetRow* row = HandInPlay();
    if (row == nullptr) {
        return;
    }
    AddPoints(winner, gain);
    row->outcome = winner == 0 ? HandOutcome::kNoWinner : HandOutcome::kWon;
    row->winner = winner;
    row->lastPlayPoints = points;
    row->pipsAwarded = gain;
    std::copy(std::begin(scores_), std::end(scores_), row->scores);
    Changed();
}

// A game that ends at a hand's end has already had that hand written down; one that a play ends
// closes the hand in play with that play.
void ScoreSheet::GameEnded(int /*winner*/) {
    if (SheetRow* row = HandInPlay()) {
        row->outcome = HandOutcome::kGameEnded;
        row->winner = lastScorer_;
        row->lastPlayPoints = lastScore_;
    }
    Changed();
}

// With partners a pair's points go to both partners' scores, as in the game.
void ScoreSheet::AddPoints(int player, int32_t points) {
    for (int seat = 1; seat <= 4; ++seat) {
        if (player != 0 && ShareScore(state_.Rules, player, seat)) {
            scores_[seat] += points;
        }
    }
}

SheetRow* ScoreSheet::HandInPlay() {
    if (rows_.empty() || rows_.back().outcome != HandOutcome::kInPlay) {
        return nullptr;
    }
    return &rows_.back();
}

std::vector<int> ScoreSheet::Players() const {
    std::vector<int> players;
    for (int player = 1; player <= 4; ++player) {
        if (TakesPart(playerCount_, player) && PartnerOf(state_.Rules, player) >= player) {
            players.push_back(player);
        }
    }
    return players;
}

std::vector<int32_t> ScoreSheet::ScoreLine(int player) const {
    std::vector<int32_t> line{startingScores_[player]};
    for (const SheetRow& row : rows_) {
        line.push_back(row.scores[player]);
    }
    return line;
}

void ScoreSheet::Changed() {
    if (changed_) {
        changed_();
    }
}

}  // namespace pipwick
