#include <gtest/gtest.h>

#include <algorithm>

#include "tests/engine/test_table.h"

namespace pipwick {
namespace {

struct Scoring : ::testing::Test {
    TestTable table{4};
    GameState& s = table.state;

    void SetUp() override {
        table.StartEmptyHand();
        for (int player = 1; player <= 4; ++player) {
            table.Hand(player, {T(0, 0), T(0, 1)});
        }
    }
    bool Play(int player, int arm, int32_t tile) {
        table.steps.PlaceTile(player, Rect{}, tile, arm + 1);
        return table.steps.AfterPlay(player);
    }
};

TEST_F(Scoring, ALoneFirstTileScoresItsPips) {
    struct Case {
        int a, b, score;
    };
    for (const Case& c : {Case{5, 0, 5}, Case{4, 1, 5}, Case{3, 2, 5}, Case{6, 4, 10},
                          Case{5, 5, 10}, Case{6, 6, 0}, Case{3, 3, 0}, Case{6, 2, 0}}) {
        TestTable fresh{2};
        fresh.StartEmptyHand();
        fresh.Lay(0, T(c.a, c.b));
        EXPECT_EQ(PlayScore(fresh.state), c.score) << c.a << "-" << c.b;
    }
}

TEST_F(Scoring, ASpinnerCountsBothHalvesOnlyOnceArmZeroHasGrown) {
    Play(2, 0, T(5, 5));
    Play(3, 0, T(5, 3));
    EXPECT_EQ(PlayScore(s), 0);  // 3 + 10
    Play(4, 0, T(3, 6));
    EXPECT_EQ(PlayScore(s), 0);  // 6 + 10
    Play(2, 0, T(6, 0));
    EXPECT_EQ(PlayScore(s), 10);  // 0 + 10
}

TEST_F(Scoring, ADoubleAtTheEndOfASideArmCountsTwice) {
    Play(2, 0, T(2, 2));
    Play(3, 0, T(2, 4));
    Play(4, 2, T(2, 1));
    ASSERT_EQ(s.SpinnerState, kSideArmsOpen);
    EXPECT_EQ(PlayScore(s), 5);  // 4 + 1, the empty side arms count nothing
    Play(2, 1, T(2, 5));
    Play(3, 1, T(5, 5));
    EXPECT_EQ(PlayScore(s), 15);  // 4 + 1 + 10
    EXPECT_EQ(s.Scores[3], 15);
    EXPECT_EQ(table.view.Only("announce").back(), "announce TopGun scores 15");
}

TEST_F(Scoring, ReachingTheWinningScoreByAPlayEndsTheGameAtOnce) {
    s.Scores[2] = 245;
    EXPECT_FALSE(Play(2, 0, T(6, 4)));
    EXPECT_EQ(s.Scores[2], 255);
    EXPECT_EQ(s.GameInProgress, 0);
    EXPECT_EQ(s.CurrentPlayer, 0);
    EXPECT_TRUE(table.view.Only("face up").empty());  // the hand is not counted
    EXPECT_EQ(table.view.Only("message").back(), "message 4 Lefty");
}

TEST_F(Scoring, GoingOutPassesThePlaysPointsToTheEndOfTheHand) {
    table.Hand(3, {});
    table.Hand(1, {T(3, 3), T(1, 0)});  // 7 pips
    table.Hand(2, {T(2, 0)});           // 2 pips
    table.Hand(4, {T(6, 5)});           // 11 pips
    EXPECT_FALSE(Play(3, 0, T(6, 4)));
    EXPECT_EQ(s.Scores[3], 10 + 20);
    const std::vector<std::string> announcements = table.view.Only("announce");
    EXPECT_NE(std::find(announcements.begin(), announcements.end(),
                        "announce TopGun dominoes, scores 30"),
              announcements.end());
}

TEST_F(Scoring, TheFirstDoubleAsTheLastTileGoesOutAtOnce) {
    table.Hand(2, {});
    EXPECT_FALSE(Play(2, 0, T(5, 5)));
    EXPECT_EQ(table.view.Only("face up").size(), 3u);
}

TEST_F(Scoring, GoingOutIsHeardForThePlayerWhoWentOut) {
    for (int player = 1; player <= 4; ++player) {
        TestTable fresh{4};
        fresh.StartEmptyHand();
        for (int player = 1; player <= 4; ++player) {
            fresh.Hand(player, {T(0, 0)});
        }
        fresh.Hand(player, {});
        fresh.state.NextLeader = 1;
        fresh.steps.PlaceTile(player, Rect{}, T(6, 2), 1);
        fresh.steps.AfterPlay(player);
        const std::vector<std::string> sounds = fresh.view.Only("sound");
        ASSERT_FALSE(sounds.empty()) << player;
        EXPECT_EQ(sounds.front(), "sound out " + std::to_string(player));
    }
}

TEST_F(Scoring, AfterPlayClosesTheGapInTheHand) {
    table.Hand(2, {T(1, 1), T(1, 2), T(1, 3), T(1, 4)});
    s.Hand[2][1] = kNoTile;
    Play(2, 0, T(6, 2));
    EXPECT_EQ(s.Hand[2][0], T(1, 1));
    EXPECT_EQ(s.Hand[2][1], T(1, 3));
    EXPECT_EQ(s.Hand[2][2], T(1, 4));
    EXPECT_EQ(s.Hand[2][3], kNoTile);
    EXPECT_EQ(s.ConsecutivePasses, 0);
}

}  // namespace
}  // namespace pipwick
