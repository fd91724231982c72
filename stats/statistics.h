#pragma once

#include <cstdint>

#include "ai/level.h"
#include "model/game_kind.h"

namespace pipwick {

// A row for every level up to the strongest, indexed by the level's value.
constexpr int kStatisticsLevels = static_cast<int>(kStrongestLevel) + 1;

// The most any one count may reach: games of a kind won, lost or abandoned, hands, streaks. Sums
// and averages are taken in 64 bits, and a double holds every one of them exactly. A game or hand
// that would take a count past it is not counted.
constexpr int64_t kMostCount = 1'000'000'000;
// The most the final scores may add up to (a thousand points a game for the most games): below
// 2^53, so the average is exact too.
constexpr int64_t kMostFinalScoreTotal = 1'000'000'000'000;

// Games of one kind: finished ones won or lost by the human, and those given up before the end.
struct GameTally {
    int64_t won = 0;
    int64_t lost = 0;
    int64_t abandoned = 0;

    int64_t Played() const { return won + lost; }
    bool operator==(const GameTally&) const = default;
};

// A row for each game, alone and with partners: All Fives, All Fives with partners, Draw, ...
constexpr int kStatisticsGames = 2 * kGameKindCount;

// What kind of game it was: how many players, the value of the strongest computer player's
// Level, which game (a DominoGame value) and whether in pairs.
struct GameKind {
    int32_t players = 2;
    int32_t level = 0;
    int32_t game = 0;
    int32_t partners = 0;
    bool operator==(const GameKind&) const = default;
};

// The row of byGame that counts kind.
int GameRow(const GameKind& kind);

// How the human has done over every game on this computer. A game counts as played once it reaches
// its target; a game given up before that counts as abandoned. Scores are the human's (with
// partners, his pair's), and a game is won when he or his partner wins it.
struct Statistics {
    GameTally byPlayers[3];  // two, three and four players
    GameTally byLevel[kStatisticsLevels];
    GameTally byGame[kStatisticsGames];  // by GameRow
    int64_t finalScoreTotal = 0;
    int32_t bestFinalScore = 0;
    // The most one of the human's plays scored.
    int32_t highestPlay = 0;
    int32_t currentStreak = 0;
    int32_t longestStreak = 0;
    int32_t handsPlayed = 0;
    int32_t handsBlocked = 0;
    // A game left unfinished when the program ended, kept to be resumed.
    bool keptGame = false;
    GameKind kept;

    bool operator==(const Statistics&) const = default;
};

// The counts over every number of players.
GameTally Total(const Statistics& statistics);
// Won games as a share of played ones, 0 before the first.
double WinRate(const Statistics& statistics);
double AverageFinalScore(const Statistics& statistics);

// Whether kind names a number of players, a level and a game the statistics keep; partners only
// at a table of four.
bool IsCountable(const GameKind& kind);
// Whether every count is within its cap: none negative, none past kMostCount, the final scores
// within kMostFinalScoreTotal.
bool WithinCaps(const Statistics& statistics);

// A game that reached its target. Winning lengthens the streak; losing ends it.
void CountFinishedGame(Statistics& statistics, const GameKind& kind, bool humanWon,
                       int32_t finalScore);
// A game given up before the end. It ends a winning streak, so that giving up a game about to be
// lost does not keep one alive.
void CountAbandonedGame(Statistics& statistics, const GameKind& kind);
// A hand is over; blocked when nobody went out.
void CountHand(Statistics& statistics, bool blocked);
void CountPlay(Statistics& statistics, int32_t points);
// Every count back to nothing; a kept game stays kept.
void ResetCounts(Statistics& statistics);

// Two copies of the game that share one file: ours counted the games since it read base, while
// the other wrote onDisk. The result counts both: onDisk with what ours added since base. A streak
// that ours broke is ours; one it only lengthened goes on from onDisk's. The kept game is ours when
// ours changed it. Held to the caps, it is ours alone where the sum would pass one.
Statistics Merged(const Statistics& onDisk, const Statistics& base, const Statistics& ours);

}  // namespace pipwick
