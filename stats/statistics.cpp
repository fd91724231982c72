#include "stats/statistics.h"

#include <algorithm>
#include <iterator>

#include "model/game_kind.h"

namespace pipwick {

namespace {

GameTally& ByPlayers(Statistics& statistics, const GameKind& kind) {
    return statistics.byPlayers[kind.players - 2];
}

GameTally& ByLevel(Statistics& statistics, const GameKind& kind) {
    return statistics.byLevel[kind.level];
}

GameTally& ByGame(Statistics& statistics, const GameKind& kind) {
    return statistics.byGame[GameRow(kind)];
}

bool BelowCap(int64_t count) {
    return count < kMostCount;
}

// A count may go up only if each of the three views of the games has room for it.
bool RoomFor(Statistics& statistics, const GameKind& kind, int64_t GameTally::*count) {
    return BelowCap(ByPlayers(statistics, kind).*count) &&
           BelowCap(ByLevel(statistics, kind).*count) && BelowCap(ByGame(statistics, kind).*count);
}

void CountGame(Statistics& statistics, const GameKind& kind, int64_t GameTally::*count) {
    ++(ByPlayers(statistics, kind).*count);
    ++(ByLevel(statistics, kind).*count);
    ++(ByGame(statistics, kind).*count);
}

bool WithinCap(int64_t count, int64_t most) {
    return count >= 0 && count <= most;
}

bool WithinCaps(const GameTally& tally) {
    return WithinCap(tally.won, kMostCount) && WithinCap(tally.lost, kMostCount) &&
           WithinCap(tally.abandoned, kMostCount);
}

GameTally Plus(const GameTally& onDisk, const GameTally& base, const GameTally& ours) {
    return {onDisk.won + ours.won - base.won, onDisk.lost + ours.lost - base.lost,
            onDisk.abandoned + ours.abandoned - base.abandoned};
}

template <std::size_t N>
void AddTallies(GameTally (&merged)[N], const GameTally (&onDisk)[N], const GameTally (&base)[N],
                const GameTally (&ours)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        merged[i] = Plus(onDisk[i], base[i], ours[i]);
    }
}

}  // namespace

int GameRow(const GameKind& kind) {
    return kind.game * 2 + kind.partners;
}

bool IsCountable(const GameKind& kind) {
    return kind.players >= 2 && kind.players <= 4 && kind.level >= 0 &&
           kind.level < kStatisticsLevels && IsDominoGame(kind.game) &&
           (kind.partners == 0 || (kind.partners == 1 && kind.players == 4));
}

bool WithinCaps(const Statistics& s) {
    return std::all_of(std::begin(s.byPlayers), std::end(s.byPlayers),
                       [](const GameTally& tally) { return WithinCaps(tally); }) &&
           std::all_of(std::begin(s.byLevel), std::end(s.byLevel),
                       [](const GameTally& tally) { return WithinCaps(tally); }) &&
           std::all_of(std::begin(s.byGame), std::end(s.byGame),
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
    if (!RoomFor(statistics, kind, outcome) || (humanWon && !BelowCap(statistics.currentStreak)) ||
        statistics.finalScoreTotal + finalScore > kMostFinalScoreTotal) {
        return;
    }
    CountGame(statistics, kind, outcome);
    statistics.finalScoreTotal += finalScore;
    statistics.bestFinalScore = std::max(statistics.bestFinalScore, finalScore);
    statistics.currentStreak = humanWon ? statistics.currentStreak + 1 : 0;
    statistics.longestStreak = std::max(statistics.longestStreak, statistics.currentStreak);
}

void CountAbandonedGame(Statistics& statistics, const GameKind& kind) {
    if (!IsCountable(kind) || !RoomFor(statistics, kind, &GameTally::abandoned)) {
        return;
    }
    CountGame(statistics, kind, &GameTally::abandoned);
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

// A record ours did not change is the other copy's; one it changed is the higher of the two.
int32_t MergedRecord(int32_t onDisk, int32_t base, int32_t ours) {
    return ours == base ? onDisk : std::max(onDisk, ours);
}

Statistics Merged(const Statistics& onDisk, const Statistics& base, const Statistics& ours) {
    Statistics merged;
    AddTallies(merged.byPlayers, onDisk.byPlayers, base.byPlayers, ours.byPlayers);
    AddTallies(merged.byLevel, onDisk.byLevel, base.byLevel, ours.byLevel);
    AddTallies(merged.byGame, onDisk.byGame, base.byGame, ours.byGame);
    merged.finalScoreTotal = onDisk.finalScoreTotal + ours.finalScoreTotal - base.finalScoreTotal;
    merged.handsPlayed = onDisk.handsPlayed + ours.handsPlayed - base.handsPlayed;
    merged.handsBlocked = onDisk.handsBlocked + ours.handsBlocked - base.handsBlocked;
    merged.bestFinalScore =
        MergedRecord(onDisk.bestFinalScore, base.bestFinalScore, ours.bestFinalScore);
    merged.highestPlay = MergedRecord(onDisk.highestPlay, base.highestPlay, ours.highestPlay);
    const GameTally added = Plus(Total(ours), Total(base), GameTally{});
    const bool streakBroken = added.lost != 0 || added.abandoned != 0;
    merged.currentStreak =
        streakBroken ? ours.currentStreak : onDisk.currentStreak + static_cast<int32_t>(added.won);
    merged.longestStreak =
        std::max(MergedRecord(onDisk.longestStreak, base.longestStreak, ours.longestStreak),
                 merged.currentStreak);
    // The other copy may have cleared the counts meanwhile: a record of ours from before that
    // cannot pass what is left.
    const int64_t won = Total(merged).won;
    merged.currentStreak = static_cast<int32_t>(std::min<int64_t>(merged.currentStreak, won));
    merged.longestStreak = static_cast<int32_t>(std::min<int64_t>(merged.longestStreak, won));
    merged.bestFinalScore =
        static_cast<int32_t>(std::min<int64_t>(merged.bestFinalScore, merged.finalScoreTotal));
    const bool keptChanged = ours.keptGame != base.keptGame || ours.kept != base.kept;
    merged.keptGame = keptChanged ? ours.keptGame : onDisk.keptGame;
    merged.kept = keptChanged ? ours.kept : onDisk.kept;
    return WithinCaps(merged) ? merged : ours;
}

}  // namespace pipwick
