#include "stats/statistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "engine/game.h"
#include "sim/match.h"
#include "stats/statistics_keeper.h"

namespace pipwick {
namespace {

TEST(Statistics, StreaksAndTalliesFollowTheOutcomes) {
    struct Case {
        std::string outcomes;  // W won, L lost, A abandoned, in order
        int32_t longest;
        int32_t current;
    };
    const Case cases[] = {
        {"", 0, 0}, {"W", 1, 1}, {"LWWL", 2, 0}, {"WWLWWW", 3, 3}, {"WWAW", 2, 1}, {"WWWAWW", 3, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.outcomes);
        Statistics s;
        const GameKind kind{3, 1};
        int32_t score = 100;
        for (char outcome : c.outcomes) {
            if (outcome == 'A') {
                CountAbandonedGame(s, kind);
            } else {
                CountFinishedGame(s, kind, outcome == 'W', score += 10);
            }
        }
        const auto count = [&c](char outcome) {
            return static_cast<int32_t>(std::count(c.outcomes.begin(), c.outcomes.end(), outcome));
        };
        EXPECT_EQ(s.longestStreak, c.longest);
        EXPECT_EQ(s.currentStreak, c.current);
        EXPECT_EQ(s.byPlayers[1], (GameTally{count('W'), count('L'), count('A')}));
        EXPECT_EQ(s.byLevel[1], s.byPlayers[1]);
        EXPECT_EQ(s.byPlayers[0], GameTally{});
        EXPECT_EQ(s.byLevel[0], GameTally{});
        const int32_t played = count('W') + count('L');
        EXPECT_EQ(Total(s).Played(), played);
        EXPECT_DOUBLE_EQ(WinRate(s), played == 0 ? 0.0 : double(count('W')) / played);
    }
}

// Each game, alone and with partners, has a row of its own beside the rows by players and level;
// partners need a table of four.
// W won, L lost, A abandoned, in order, each a game of three players and a hand.
void Play(Statistics& s, const std::string& outcomes, int32_t score) {
    for (char outcome : outcomes) {
        CountHand(s, outcome == 'L');
        if (outcome == 'A') {
            CountAbandonedGame(s, {3, 1});
        } else {
            CountFinishedGame(s, {3, 1}, outcome == 'W', score);
        }
    }
}

// Two copies of the game start from one file; one writes its games first, then the other merges
// its own into what it finds.
TEST(Statistics, MergedCountsTheGamesOfBothCopies) {
    const struct {
        const char* before;
        const char* first;
        const char* second;
        int32_t current;
        int32_t longest;
    } cases[] = {
        {"", "W", "W", 2, 2},       {"WW", "", "WL", 0, 3},   {"W", "WW", "W", 4, 4},
        {"L", "WWW", "LW", 1, 3},   {"WWWW", "L", "W", 1, 5}, {"", "", "", 0, 0},
        {"WA", "WWL", "AWW", 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.before) + "|" + c.first + "|" + c.second);
        Statistics base;
        Play(base, c.before, 100);
        Statistics first = base;
        Play(first, c.first, 120);
        Statistics second = base;
        Play(second, c.second, 140);
        Statistics inTurn = base;
        Play(inTurn, c.first, 120);
        Play(inTurn, c.second, 140);

        const Statistics merged = Merged(first, base, second);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(merged.byPlayers[i], inTurn.byPlayers[i]);
        }
        EXPECT_EQ(merged.byLevel[1], inTurn.byLevel[1]);
        EXPECT_EQ(merged.byGame[0], inTurn.byGame[0]);
        EXPECT_EQ(merged.finalScoreTotal, inTurn.finalScoreTotal);
        EXPECT_EQ(merged.bestFinalScore, inTurn.bestFinalScore);
        EXPECT_EQ(merged.handsPlayed, inTurn.handsPlayed);
        EXPECT_EQ(merged.handsBlocked, inTurn.handsBlocked);
        EXPECT_EQ(merged.currentStreak, c.current);
        EXPECT_EQ(merged.longestStreak, c.longest);
        EXPECT_EQ(Merged(base, base, second), second);
    }
}

// The other copy cleared the counts, and ours then finished one game: the file holds that game
// alone, with no record of ours from before the clearing that the counts left cannot hold.
TEST(Statistics, MergedAfterTheOtherCopysResetHoldsOnlyTheNewGames) {
    Statistics base;
    Play(base, "WWWL", 200);
    CountPlay(base, 30);
    Statistics ours = base;
    Play(ours, "W", 120);
    Statistics cleared = base;
    ResetCounts(cleared);
    const Statistics merged = Merged(cleared, base, ours);
    Statistics expected;
    Play(expected, "W", 120);
    EXPECT_EQ(merged.byPlayers[1], expected.byPlayers[1]);
    EXPECT_EQ(merged.finalScoreTotal, expected.finalScoreTotal);
    EXPECT_EQ(merged.handsPlayed, expected.handsPlayed);
    EXPECT_EQ(merged.currentStreak, 1);
    EXPECT_EQ(merged.longestStreak, 1);
    EXPECT_LE(merged.bestFinalScore, merged.finalScoreTotal);
    EXPECT_EQ(merged.highestPlay, 0);
}

// A game kept by the copy that merges is its own; one it did not touch is the other's.
TEST(Statistics, MergedKeepsTheKeptGameOfTheCopyThatChangedIt) {
    Statistics base;
    Statistics kept = base;
    kept.keptGame = true;
    kept.kept = {4, 2, 1, 1};
    EXPECT_EQ(Merged(base, base, kept).kept, kept.kept);
    EXPECT_TRUE(Merged(kept, base, base).keptGame);
    EXPECT_EQ(Merged(kept, base, base).kept, kept.kept);
    EXPECT_FALSE(Merged(base, kept, base).keptGame);
}

TEST(Statistics, EachGameAloneAndWithPartnersCountsInItsOwnRow) {
    const struct {
        GameKind kind;
        int row;  // -1: not counted at all
    } cases[] = {
        {{2, 0, 0, 0}, 0}, {{4, 1, 0, 1}, 1},  {{3, 1, 1, 0}, 2},   {{4, 2, 1, 1}, 3},
        {{2, 0, 2, 0}, 4}, {{4, 0, 2, 1}, 5},  {{3, 1, 1, 1}, -1},  {{2, 1, 3, 0}, 6},
        {{4, 1, 3, 1}, 7}, {{2, 1, 4, 0}, -1}, {{4, 1, -1, 0}, -1}, {{4, 1, 0, 2}, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        Statistics s;
        CountFinishedGame(s, c.kind, true, 120);
        CountAbandonedGame(s, c.kind);
        for (int row = 0; row < kStatisticsGames; ++row) {
            EXPECT_EQ(s.byGame[row], row == c.row ? (GameTally{1, 0, 1}) : GameTally{});
        }
        EXPECT_EQ(Total(s), c.row < 0 ? GameTally{} : (GameTally{1, 0, 1}));
    }
}

// Every count at its cap, by players and by level alike, as a player of a thousand million games
// of each kind would have them.
Statistics AtTheCaps() {
    Statistics s;
    for (GameTally& tally : s.byPlayers) {
        tally = {kMostCount, kMostCount, kMostCount};
    }
    for (GameTally& tally : s.byLevel) {
        tally = {kMostCount, kMostCount, kMostCount};
    }
    for (GameTally& tally : s.byGame) {
        tally = {kMostCount, kMostCount, kMostCount};
    }
    s.finalScoreTotal = kMostFinalScoreTotal;
    s.bestFinalScore = 2'000'000'000;
    s.highestPlay = 2'000'000'000;
    s.currentStreak = kMostCount;
    s.longestStreak = kMostCount;
    s.handsPlayed = kMostCount;
    s.handsBlocked = kMostCount;
    return s;
}

TEST(StatisticsCaps, SumsAndAveragesAtTheCapsAreExact) {
    static_assert(kStatisticsLevels == 3);
    const Statistics s = AtTheCaps();
    ASSERT_TRUE(WithinCaps(s));
    const GameTally total = Total(s);
    EXPECT_EQ(total, (GameTally{3'000'000'000, 3'000'000'000, 3'000'000'000}));
    EXPECT_EQ(total.Played(), 6'000'000'000);
    EXPECT_EQ(WinRate(s), 0.5);
    EXPECT_EQ(AverageFinalScore(s), 1e12 / 6e9);
}

TEST(StatisticsCaps, ACountPastItsCapOrBelowNothingIsOutOfBounds) {
    using Change = void (*)(Statistics&, int64_t);
    const struct {
        const char* what;
        Change change;
        int64_t most;
    } cases[] = {
        {"won", [](Statistics& s, int64_t n) { s.byPlayers[0].won = n; }, kMostCount},
        {"lost", [](Statistics& s, int64_t n) { s.byPlayers[1].lost = n; }, kMostCount},
        {"abandoned", [](Statistics& s, int64_t n) { s.byPlayers[2].abandoned = n; }, kMostCount},
        {"level won", [](Statistics& s, int64_t n) { s.byLevel[2].won = n; }, kMostCount},
        {"level abandoned", [](Statistics& s, int64_t n) { s.byLevel[0].abandoned = n; },
         kMostCount},
        {"final scores", [](Statistics& s, int64_t n) { s.finalScoreTotal = n; },
         kMostFinalScoreTotal},
        {"current streak",
         [](Statistics& s, int64_t n) { s.currentStreak = static_cast<int32_t>(n); }, kMostCount},
        {"longest streak",
         [](Statistics& s, int64_t n) { s.longestStreak = static_cast<int32_t>(n); }, kMostCount},
        {"hands", [](Statistics& s, int64_t n) { s.handsPlayed = static_cast<int32_t>(n); },
         kMostCount},
        {"blocked hands",
         [](Statistics& s, int64_t n) { s.handsBlocked = static_cast<int32_t>(n); }, kMostCount},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const int64_t count : {int64_t{0}, c.most}) {
            Statistics s;
            c.change(s, count);
            EXPECT_TRUE(WithinCaps(s)) << count;
        }
        for (const int64_t count : {int64_t{-1}, c.most + 1}) {
            Statistics s;
            c.change(s, count);
            EXPECT_FALSE(WithinCaps(s)) << count;
        }
    }
}

// At the cap a game or hand is no longer counted, so no count goes past it and the three views
// of the games still agree.
TEST(StatisticsCaps, NothingIsCountedPastTheCaps) {
    const GameKind kind{2, 0};
    Statistics s = AtTheCaps();
    CountFinishedGame(s, kind, true, 250);
    CountFinishedGame(s, kind, false, 250);
    CountAbandonedGame(s, kind);
    CountHand(s, true);
    EXPECT_EQ(s, AtTheCaps());

    // One below the cap the game counts, and then no more.
    Statistics below = AtTheCaps();
    below.byPlayers[0].won = kMostCount - 1;
    below.byLevel[0].won = kMostCount - 1;
    below.byGame[0].won = kMostCount - 1;
    below.currentStreak = 0;
    below.finalScoreTotal = 0;
    CountFinishedGame(below, kind, true, 250);
    EXPECT_EQ(below.byPlayers[0].won, kMostCount);
    EXPECT_EQ(below.byLevel[0].won, kMostCount);
    EXPECT_EQ(below.byGame[0].won, kMostCount);
    EXPECT_EQ(below.finalScoreTotal, 250);
    CountFinishedGame(below, kind, true, 250);
    EXPECT_EQ(below.byPlayers[0].won, kMostCount);
    EXPECT_EQ(below.finalScoreTotal, 250);
    EXPECT_TRUE(WithinCaps(below));

    // A final score that would take the total past its cap is not counted either.
    Statistics scores;
    scores.finalScoreTotal = kMostFinalScoreTotal - 100;
    CountFinishedGame(scores, kind, true, 101);
    EXPECT_EQ(Total(scores).Played(), 0);
    CountFinishedGame(scores, kind, true, 100);
    EXPECT_EQ(scores.finalScoreTotal, kMostFinalScoreTotal);
    EXPECT_EQ(Total(scores).won, 1);
}

TEST(Statistics, AGameOfAKindTheyDoNotKeepIsNotCounted) {
    for (const GameKind kind :
         {GameKind{1, 0}, GameKind{5, 0}, GameKind{2, -1}, GameKind{2, kStatisticsLevels}}) {
        Statistics s;
        CountFinishedGame(s, kind, true, 250);
        CountAbandonedGame(s, kind);
        EXPECT_EQ(s, Statistics{});
    }
}

TEST(Statistics, ResetKeepsTheKeptGame) {
    Statistics s;
    CountFinishedGame(s, {2, 0}, true, 260);
    CountHand(s, true);
    s.keptGame = true;
    s.kept = {4, 1};
    ResetCounts(s);
    Statistics expected;
    expected.keptGame = true;
    expected.kept = {4, 1};
    EXPECT_EQ(s, expected);
}

// What the games themselves showed, counted apart from the keeper: a hand that ends on a pass is
// blocked, and a play's points are what the open ends are worth as it lands.
class KeeperAndWitness : public PlayLog {
  public:
    KeeperAndWitness(StatisticsKeeper& keeper, const Match& match)
        : keeper_(keeper), match_(match) {}

    void GameStarted() override { keeper_.GameStarted(); }
    void HandStarted() override { keeper_.HandStarted(); }
    void TilePlayed(int player, int, const PlacedTile&) override {
        if (player == 1) {
            highestPlay = std::max(highestPlay, PlayScore(match_.State()));
        }
        lastWasPass_ = false;
    }
    void TileDrawn(int, int32_t) override { lastWasPass_ = false; }
    void Passed(int) override { lastWasPass_ = true; }
    void PlayScored(int player, int32_t points) override { keeper_.PlayScored(player, points); }
    void HandEnded(int32_t points, int winner, int32_t gain) override {
        ++hands;
        blocked += lastWasPass_ ? 1 : 0;
        keeper_.HandEnded(points, winner, gain);
    }
    void GameEnded(int winner) override {
        won += winner == 1 ? 1 : 0;
        finalScores += match_.State().Scores[1];
        bestScore = std::max(bestScore, match_.State().Scores[1]);
        keeper_.GameEnded(winner);
    }

    int32_t hands = 0;
    int32_t blocked = 0;
    int32_t won = 0;
    int64_t finalScores = 0;
    int32_t bestScore = 0;
    int32_t highestPlay = 0;

  private:
    StatisticsKeeper& keeper_;
    const Match& match_;
    bool lastWasPass_ = false;
};

TEST(StatisticsKeeper, CountsSimulatedGames) {
    Statistics s;
    int32_t games = 0;
    int32_t hands = 0;
    int32_t blocked = 0;
    int32_t won = 0;
    int64_t finalScores = 0;
    int32_t best = 0;
    int32_t highest = 0;
    int counted = 0;
    for (int32_t players = 2; players <= 4; ++players) {
        for (uint64_t seed = 1; seed <= 30; ++seed) {
            // Seat 1 plays Advanced, so the human wins a fair share.
            const int32_t levels[5] = {0, 1, 0, static_cast<int32_t>(seed % 2), 0};
            Match match(players, levels, 1.0, seed * 101);
            GameSettings settings;
            for (int seat = 2; seat <= 4; ++seat) {
                settings.PlayerLevel[seat] = levels[seat];
            }
            StatisticsKeeper keeper(s, match.State(), settings);
            keeper.OnGameCounted([&counted] { ++counted; });
            KeeperAndWitness log(keeper, match);
            ASSERT_TRUE(match.PlayGame(log));
            ++games;
            hands += log.hands;
            blocked += log.blocked;
            won += log.won;
            finalScores += log.finalScores;
            best = std::max(best, log.bestScore);
            highest = std::max(highest, log.highestPlay);
        }
    }
    EXPECT_EQ(counted, games);
    EXPECT_EQ(Total(s).Played(), games);
    EXPECT_EQ(Total(s).won, won);
    EXPECT_EQ(Total(s).abandoned, 0);
    for (const GameTally& tally : s.byPlayers) {
        EXPECT_EQ(tally.Played(), 30);
    }
    // Seed parity sets player 3's level, the only one above Beginner.
    EXPECT_EQ(s.byLevel[0].Played() + s.byLevel[1].Played(), games);
    EXPECT_EQ(s.byLevel[1].Played(), 45);
    EXPECT_EQ(s.handsPlayed, hands);
    EXPECT_EQ(s.handsBlocked, blocked);
    EXPECT_GT(blocked, 0);
    EXPECT_EQ(s.finalScoreTotal, finalScores);
    EXPECT_EQ(s.bestFinalScore, best);
    EXPECT_EQ(s.highestPlay, highest);
    EXPECT_GT(won, 0);
    EXPECT_LT(won, games);
}

// Games left before their end, driven through the keeper's own moments.
TEST(StatisticsKeeper, GivenUpKeptAndResumedGames) {
    GameState state;
    ResetGameState(state);
    state.PlayerCount = 3;
    GameSettings settings;
    settings.PlayerLevel[2] = 0;
    settings.PlayerLevel[3] = 0;
    Statistics s;
    StatisticsKeeper keeper(s, state, settings);
    const GameKind beginners{3, 0};

    // A new game over one under way gives that one up.
    keeper.GameStarted();
    keeper.GameStarted();
    EXPECT_EQ(s.byPlayers[1].abandoned, 1);
    EXPECT_EQ(s.byLevel[0].abandoned, 1);

    // Kept at the end of the program, then resumed and won: played once, never abandoned.
    keeper.GameKept();
    EXPECT_TRUE(s.keptGame);
    EXPECT_EQ(s.kept, beginners);
    state.GameInProgress = 1;
    keeper.GameResumed();
    EXPECT_FALSE(s.keptGame);
    state.Scores[1] = 255;
    keeper.GameEnded(1);
    EXPECT_EQ(s.byPlayers[1], (GameTally{1, 0, 1}));

    // Kept, and then a new game is started instead: the kept one is abandoned.
    keeper.GameStarted();
    keeper.GameKept();
    keeper.GameStarted();
    EXPECT_EQ(s.byPlayers[1].abandoned, 2);
    EXPECT_FALSE(s.keptGame);

    // A game kept in place of another gives the other up.
    keeper.GameKept();
    keeper.GameOpened();
    keeper.GameKept();
    EXPECT_EQ(s.byPlayers[1].abandoned, 3);
    EXPECT_TRUE(s.keptGame);
    keeper.GameStarted();
    EXPECT_EQ(s.byPlayers[1].abandoned, 4);

    // A game opened over the one under way gives that one up; the opened one counts when it ends.
    settings.PlayerLevel[2] = 1;
    keeper.GameOpened();
    EXPECT_EQ(s.byPlayers[1].abandoned, 5);
    state.Scores[1] = 100;
    keeper.GameEnded(3);
    EXPECT_EQ(s.byPlayers[1], (GameTally{1, 1, 5}));
    EXPECT_EQ(s.byLevel[1], (GameTally{0, 1, 0}));
    // Nothing is under way now: a second end counts nothing.
    keeper.GameEnded(1);
    EXPECT_EQ(Total(s).Played(), 2);
}

// The strongest computer player taking part sets the kind; a level the file does not know plays,
// and counts, as Advanced.
TEST(StatisticsKeeper, TheKindOfGameIsItsStrongestOpponentTakingPart) {
    struct Case {
        int32_t players;
        int32_t levels[3];  // of players 2, 3 and 4
        int32_t kind;
    };
    const Case cases[] = {
        {2, {2, 0, 2}, 0}, {2, {0, 2, 0}, 2}, {3, {1, 0, 2}, 1},
        {3, {2, 0, 0}, 2}, {4, {0, 1, 2}, 2}, {4, {7, 0, 0}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.players * 1000 + c.levels[0] * 100 + c.levels[1] * 10 + c.levels[2]);
        GameState state;
        ResetGameState(state);
        state.PlayerCount = c.players;
        GameSettings settings;
        std::copy(std::begin(c.levels), std::end(c.levels), settings.PlayerLevel + 2);
        EXPECT_EQ(KindOfGame(state, settings), (GameKind{c.players, c.kind}));
    }
}

TEST(StatisticsKeeper, TheStrongestLevelDuringTheGameCounts) {
    GameState state;
    ResetGameState(state);
    state.PlayerCount = 2;
    GameSettings settings;
    settings.PlayerLevel[3] = 0;
    // Players who do not take part do not make the game stronger.
    settings.PlayerLevel[2] = 1;
    settings.PlayerLevel[4] = 1;
    EXPECT_EQ(KindOfGame(state, settings), (GameKind{2, 0}));
    Statistics s;
    StatisticsKeeper keeper(s, state, settings);
    keeper.GameStarted();
    settings.PlayerLevel[3] = 1;
    keeper.HandStarted();
    settings.PlayerLevel[3] = 0;
    keeper.HandStarted();
    keeper.GameEnded(3);
    EXPECT_EQ(s.byLevel[1].lost, 1);
    EXPECT_EQ(s.byLevel[0].Played(), 0);
}

}  // namespace
}  // namespace pipwick
