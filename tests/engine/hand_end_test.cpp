#include <gtest/gtest.h>

#include <algorithm>

#include "tests/engine/test_table.h"

namespace pipwick {
namespace {

TEST(RoundPips, RoundsToTheNearestFive) {
    const int32_t pips[] = {0, 1, 2, 3, 4, 5, 7, 8, 12, 13, 27};
    const int32_t rounded[] = {0, 0, 0, 5, 5, 5, 5, 10, 10, 15, 25};
    for (size_t i = 0; i < std::size(pips); ++i) {
        EXPECT_EQ(RoundPips(pips[i], 5), rounded[i]) << pips[i];
    }
}

struct Award {
    int players;
    std::vector<int32_t> hands[5];
    int32_t points;
    int32_t gains[5];
    const char* announcement;  // nullptr: the hand ends without one
};

class EndOfHand : public ::testing::TestWithParam<Award> {};

TEST_P(EndOfHand, AwardsThePipsLeftToTheWinnerOfTheHand) {
    const Award& a = GetParam();
    TestTable table(a.players);
    table.StartEmptyHand();
    for (int player = 1; player <= 4; ++player) {
        int slot = 0;
        for (int32_t tile : a.hands[player]) {
            table.state.Hand[player][slot++] = tile;
        }
    }
    table.steps.EndHand(a.points);
    for (int player = 1; player <= 4; ++player) {
        EXPECT_EQ(table.state.Scores[player], a.gains[player]) << player;
    }
    std::vector<std::string> events = table.view.events;
    const auto message = std::find(events.begin(), events.end(), "message 3");
    ASSERT_NE(message, events.end());
    std::vector<std::string> announced;
    for (auto e = events.begin(); e != message; ++e) {
        if (e->rfind("announce", 0) == 0) {
            announced.push_back(*e);
        }
    }
    if (a.announcement == nullptr) {
        EXPECT_TRUE(announced.empty());
    } else {
        EXPECT_EQ(announced, std::vector<std::string>{a.announcement});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Awards, EndOfHand,
    ::testing::Values(
        // Two players: the lower count wins the other's pips, equal counts nothing.
        Award{2,
              {{}, {T(6, 6), T(1, 0)}, {}, {}, {}},
              0,
              {0, 0, 0, 15, 0},
              "announce TopGun dominoes, scores 15"},
        Award{2,
              {{}, {T(3, 4)}, {}, {T(4, 5)}, {}},
              0,
              {0, 10, 0, 0, 0},
              "announce Player dominoes, scores 10"},
        Award{2, {{}, {T(3, 4)}, {}, {T(2, 5)}, {}}, 0, {0, 0, 0, 0, 0}, nullptr},
        Award{2,
              {{}, {}, {}, {T(0, 1)}, {}},
              5,
              {0, 0, 0, 0, 0},
              "announce Player dominoes, scores 5"},
        // Three and four players: who went out wins everything left.
        Award{3,
              {{}, {T(1, 3)}, {}, {T(2, 6)}, {}},
              0,
              {0, 0, 10, 0, 0},
              "announce Lefty dominoes, scores 10"},
        Award{
            3, {{}, {T(0, 1)}, {}, {T(0, 0)}, {}}, 0, {0, 0, 0, 0, 0}, "announce Lefty dominoes."},
        Award{4, {{}, {T(1, 4)}, {T(2, 3)}, {T(4, 5)}, {T(6, 6)}}, 0, {0, 0, 0, 0, 0}, nullptr},
        Award{4,
              {{}, {T(1, 3)}, {T(2, 3)}, {T(4, 5)}, {T(6, 6)}},
              0,
              {0, 25, 0, 0, 0},
              "announce Player dominoes, scores 25"},
        Award{4,
              {{}, {T(1, 3)}, {T(2, 3)}, {}, {T(6, 6)}},
              10,
              {0, 0, 0, 20, 0},
              "announce TopGun dominoes, scores 30"}));

TEST(EndOfHandTest, TurnsTheComputersTilesFaceUpInSeatOrderThreeTwoFour) {
    TestTable table(4);
    table.StartEmptyHand();
    table.steps.EndHand(0);
    EXPECT_EQ(table.view.Only("face up"),
              (std::vector<std::string>{"face up 3", "face up 2", "face up 4"}));
}

TEST(EndOfHandTest, AnAwardReachingTheWinningScoreEndsTheGameWithoutTheHandMessage) {
    TestTable table(2);
    table.StartEmptyHand();
    table.state.Scores[1] = 240;
    table.Hand(3, {T(5, 6)});
    table.steps.EndHand(0);
    EXPECT_EQ(table.state.Scores[1], 250);
    EXPECT_TRUE(table.view.Only("message 3").empty());
    EXPECT_EQ(table.view.Only("message"), std::vector<std::string>{"message 5"});
    EXPECT_EQ(table.view.Only("announce").back(), "announce Game over");
    EXPECT_EQ(table.state.GameInProgress, 0);
    EXPECT_EQ(table.state.CurrentPlayer, 0);
}

TEST(GameWinner, TheHumanMustBeStrictlyAheadAndTiesGoToTheLowerSeat) {
    struct Case {
        int32_t scores[5];
        int winner;
    };
    for (const Case& c : {Case{{0, 260, 250, 240, 0}, 1}, Case{{0, 255, 0, 255, 0}, 3},
                          Case{{0, 100, 200, 250, 250}, 3}, Case{{0, 250, 250, 0, 0}, 2},
                          Case{{0, 10, 0, 250, 260}, 4}}) {
        GameState state;
        ResetGameState(state);
        std::copy(std::begin(c.scores), std::end(c.scores), state.Scores);
        EXPECT_EQ(GameWinner(state), c.winner);
    }
}

}  // namespace
}  // namespace pipwick
