#include "stats/statistics_keeper.h"

#include <algorithm>

namespace pipwick {

GameKind KindOfGame(const GameState& state, const Settings& settings) {
    GameKind kind;
    kind.players = state.PlayerCount;
    for (int player = 2; player <= 4; ++player) {
        if (TakesPart(state, player)) {
            const Level level = LevelFromSetting(settings.PlayerLevel[player]);
            kind.level = std::max(kind.level, static_cast<int32_t>(level));
        }
    }
    return kind;
}

void StatisticsKeeper::GameOpened() {
    AbandonGameUnderWay();
    underWay_ = state_.GameInProgress == 1;
    kind_ = KindOfGame(state_, settings_);
}

// Only one game is kept: one kept before is given up for this one.
void StatisticsKeeper::GameKept() {
    if (!underWay_) {
        return;
    }
    DropKeptGame();
    statistics_.keptGame = true;
    statistics_.kept = kind_;
    underWay_ = false;
}

// The kept game goes on as it was: whatever level it was played at before still counts.
void StatisticsKeeper::GameResumed() {
    AbandonGameUnderWay();
    const GameKind now = KindOfGame(state_, settings_);
    kind_ = now;
    if (statistics_.keptGame && statistics_.kept.players == now.players) {
        kind_.level = std::max(now.level, statistics_.kept.level);
    }
    statistics_.keptGame = false;
    statistics_.kept = {};
    underWay_ = state_.GameInProgress == 1;
}

void StatisticsKeeper::GameStarted() {
    AbandonGameUnderWay();
    DropKeptGame();
    underWay_ = true;
    kind_ = KindOfGame(state_, settings_);
}

// The levels may be changed between hands; the game counts at the strongest it was played at.
void StatisticsKeeper::HandStarted() {
    kind_.level = std::max(kind_.level, KindOfGame(state_, settings_).level);
}

void StatisticsKeeper::PlayScored(int player, int32_t points) {
    if (player == kHumanSeat) {
        CountPlay(statistics_, points);
    }
}

void StatisticsKeeper::HandEnded(int32_t /*points*/, int /*winner*/, int32_t /*gain*/) {
    CountHand(statistics_, EndedBlocked(state_));
}

void StatisticsKeeper::GameEnded(int winner) {
    if (underWay_) {
        CountFinishedGame(statistics_, kind_, winner == kHumanSeat, state_.Scores[kHumanSeat]);
        underWay_ = false;
    }
    DropKeptGame();
    Counted();
}

void StatisticsKeeper::AbandonGameUnderWay() {
    if (underWay_) {
        CountAbandonedGame(statistics_, kind_);
        underWay_ = false;
        Counted();
    }
}

void StatisticsKeeper::DropKeptGame() {
    if (statistics_.keptGame) {
        CountAbandonedGame(statistics_, statistics_.kept);
        statistics_.keptGame = false;
        statistics_.kept = {};
        Counted();
    }
}

void StatisticsKeeper::Counted() {
    if (counted_) {
        counted_();
    }
}

}  // namespace pipwick
