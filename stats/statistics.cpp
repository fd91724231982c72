#include "stats/statistics.h"

#include <algorithm>
#include <iterator>

namespace pipwick {

namespace {

GameTally& ByPlayers(Statistics& statistics, const GameKind& kind) {
    return statistics.byPlayers[kind.players - 2];
}

GameTally& ByLevel(Statistics& statistics, const GameKind& kind) {
    return statistics.byLevel[kind.level];
}

bool BelowCap(int64_t count) {
    return count < kMostCount;
}

bool WithinCap(int64_t count, int64_t most) {
    return count >= 0 && count <= most;
}

bool WithinCaps(const GameTally& tally) {
    return WithinCap(tally.won, kMostCount) && WithinCap(tally.lost, kMostCount) &&
           WithinCap(tally.abandoned, kMostCount);
}

}  // namespace

bool IsCountable(const GameKind& kind) {
    return kind.players >= 2 && kind.players <= 4 && kind.level >= 0 &&
           kind.level < kStatisticsLevels;
}

bool WithinCaps(const Statistics& s) {
    return std::all_of(std::begin(s.byPlayers), std::end(s.byPlayers),
                       [](const GameTally& tally) { return WithinCaps(tally); }) &&
           std::all_of(std::begin(s.byLevel), std::end(s.byLevel),
                       [](const GameTally& tally) { return WithinCaps(tally); }) &&
           WithinCap(s.finalScoreTotal, kMostFinalScoreTotal) &&
           WithinCap(s.currentStreak, kMostCount) && WithinCap(s.longestStreak, kMostCount) &&
           WithinCap(s.handsPlayed, kMostCount) && WithinCap(s.handsBlocked, kMostCount);
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
    const int64_t played = Total(statistics).Played();
    return played == 0 ? 0.0 : static_cast<double>(statistics.finalScoreTotal) / played;
}

void CountFinishedGame(Statistics& statistics, const GameKind& kind, bool humanWon,
                       int32_t finalScore) {
    if (!IsCountable(kind)) {
        return;
    }
    int64_t GameTally::*outcome = humanWon ? &GameTally::won : &GameTally::lost;
    if (!BelowCap(ByPlayers(statistics, kind).*outcome) ||
        !BelowCap(ByLevel(statistics, kind).*outcome) ||
        (humanWon && !BelowCap(statistics.currentStreak)) ||
        statistics.finalScoreTotal + finalScore > kMostFinalScoreTotal) {
        return;
    }
    ++(ByPlayers(statistics, kind).*outcome);
    ++(ByLevel(statistics, kind).*outcome);
    statistics.finalScoreTotal += finalScore;
    statistics.bestFinalScore = std::max(statistics.bestFinalScore, finalScore);
    statistics.currentStreak = humanWon ? statistics.currentStreak + 1 : 0;
    statistics.longestStreak = std::max(statistics.longestStreak, statistics.currentStreak);
}

void CountAbandonedGame(Statistics& statistics, const GameKind& kind) {
    if (!IsCountable(kind) || !BelowCap(ByPlayers(statistics, kind).abandoned) ||
        !BelowCap(ByLevel(statistics, kind).abandoned)) {
        return;
    }
    ++ByPlayers(statistics, kind).abandoned;
    ++ByLevel(statistics, kind).abandoned;
    statistics.currentStreak = 0;
}

void CountHand(Statistics& statistics, bool blocked) {
    if (!BelowCap(statistics.handsPlayed)) {
        return;
    }
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
