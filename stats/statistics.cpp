#include "stats/statistics.h"

#include <algorithm>

namespace pipwick {

namespace {

GameTally& ByPlayers(Statistics& statistics, const GameKind& kind) {
    return statistics.byPlayers[kind.players - 2];
}

GameTally& ByLevel(Statistics& statistics, const GameKind& kind) {
    return statistics.byLevel[kind.level];
}

}  // namespace

bool IsCountable(const GameKind& kind) {
    return kind.players >= 2 && kind.players <= 4 && kind.level >= 0 &&
           kind.level < kStatisticsLevels;
}

GameTally Total(const Statistics& statistics) {
    GameTally total;
    for (const GameTally& tally : statistics.byPlayers) {
        total.won += tally.won;
        total.lost += tally.lost;
        total.abandoned += tally.abandoned;
    }
    return total;
}

double WinRate(const Statistics& statistics) {
    const GameTally total = Total(statistics);
    return total.Played() == 0 ? 0.0 : static_cast<double>(total.won) / total.Played();
}

double AverageFinalScore(const Statistics& statistics) {
    const int32_t played = Total(statistics).Played();
    return played == 0 ? 0.0 : static_cast<double>(statistics.finalScoreTotal) / played;
}

void CountFinishedGame(Statistics& statistics, const GameKind& kind, bool humanWon,
                       int32_t finalScore) {
    if (!IsCountable(kind)) {
        return;
    }
    int32_t GameTally::*outcome = humanWon ? &GameTally::won : &GameTally::lost;
    ++(ByPlayers(statistics, kind).*outcome);
    ++(ByLevel(statistics, kind).*outcome);
    statistics.finalScoreTotal += finalScore;
    statistics.bestFinalScore = std::max(statistics.bestFinalScore, finalScore);
    statistics.currentStreak = humanWon ? statistics.currentStreak + 1 : 0;
    statistics.longestStreak = std::max(statistics.longestStreak, statistics.currentStreak);
}

void CountAbandonedGame(Statistics& statistics, const GameKind& kind) {
    if (!IsCountable(kind)) {
        return;
    }
    ++ByPlayers(statistics, kind).abandoned;
    ++ByLevel(statistics, kind).abandoned;
    statistics.currentStreak = 0;
}

void CountHand(Statistics& statistics, bool blocked) {
    ++statistics.handsPlayed;
    if (blocked) {
        ++statistics.handsBlocked;
    }
}

void CountPlay(Statistics& statistics, int32_t points) {
    statistics.highestPlay = std::max(statistics.highestPlay, points);
}

void ResetCounts(Statistics& statistics) {
    Statistics fresh;
    fresh.keptGame = statistics.keptGame;
    fresh.kept = statistics.kept;
    statistics = fresh;
}

}  // namespace pipwick
