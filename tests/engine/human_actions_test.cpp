#include <gtest/gtest.h>

#include "tests/engine/test_table.h"

namespace pipwick {
namespace {

struct HumanActions : ::testing::Test {
    TestTable table{2};
    GameState& s = table.state;

    void SetUp() override {
        table.StartEmptyHand();
        table.Hand(1, {T(6, 4), T(4, 1), T(6, 1), T(2, 2)});
        table.Hand(3, {T(0, 0), T(1, 2), T(4, 5)});
    }
};

TEST_F(HumanActions, OneClickOnAnEmptyTableLeadsAndTheComputersAnswerBeforeItReturns) {
    table.game.HumanClicksHandTile(0);
    EXPECT_EQ(s.Arm[0][0].Tile, T(6, 4));
    EXPECT_EQ(s.Hand[1][0], T(4, 1));  // closed up
    EXPECT_EQ(s.CurrentPlayer, 1);
    EXPECT_EQ(HandCount(s, 3), 2);  // player 3 answered with 4-5
    EXPECT_EQ(s.Scores[3], 0);
}

TEST_F(HumanActions, ClickingTilesMovesThePickUp) {
    table.Lay(0, T(6, 3));
    table.game.HumanClicksHandTile(1);
    EXPECT_EQ(s.SelectedTile, T(4, 1));
    table.game.HumanClicksHandTile(1);
    EXPECT_EQ(s.SelectedTile, T(4, 1));
    table.game.HumanClicksHandTile(2);
    EXPECT_EQ(s.SelectedTile, T(6, 1));
    table.game.HumanClicksHandTile(7);  // an empty slot
    EXPECT_EQ(s.SelectedTile, T(6, 1));
    EXPECT_EQ(s.Arm[0][1].Tile, kNoTile);
}

TEST_F(HumanActions, ARefusedDropLeavesTheTileInHandAndNothingPickedUp) {
    table.Lay(0, T(6, 3));
    table.game.HumanClicksHandTile(1);
    table.game.HumanPlaysOnArm(0);  // 4-1 on a 6
    EXPECT_EQ(table.view.Only("message"), std::vector<std::string>{"message 0"});
    EXPECT_EQ(s.SelectedTile, kNoSelection);
    EXPECT_EQ(s.Hand[1][1], T(4, 1));
    EXPECT_EQ(s.CurrentPlayer, 1);
    table.game.HumanPlaysOnArm(2);  // nothing picked up: no play
    EXPECT_EQ(ArmLength(s, 2), 0);
}

TEST_F(HumanActions, AnAcceptedDropPlaysTheTileAndPassesTheTurn) {
    table.Lay(0, T(6, 3));
    table.game.HumanClicksHandTile(1);
    table.game.HumanPlaysOnArm(2);  // 4-1 does not fit arm 2's 3 either
    EXPECT_EQ(ArmLength(s, 2), 0);
    table.game.HumanClicksHandTile(2);
    table.game.HumanPlaysOnArm(0);
    EXPECT_EQ(s.Arm[0][1].Tile, T(6, 1));
    EXPECT_EQ(HandCount(s, 1), 3);
    EXPECT_EQ(s.Arm[0][2].Tile, T(1, 2));  // player 3 answered on the 1
    EXPECT_EQ(s.CurrentPlayer, 1);
}

TEST_F(HumanActions, NothingHappensOutsideTheHumansTurn) {
    s.CurrentPlayer = 3;
    table.game.HumanClicksHandTile(0);
    EXPECT_TRUE(TableIsEmpty(s));
    s.CurrentPlayer = 1;
    s.GameInProgress = 0;
    table.game.HumanClicksHandTile(0);
    EXPECT_TRUE(TableIsEmpty(s));
}

TEST(ChangePlayerCount, StartsARunningGameAnewOnlyWhenTheCountChanges) {
    TestTable table{2};
    table.game.NewGame();
    table.state.Scores[1] = 40;
    table.game.ChangePlayerCount(2);
    EXPECT_EQ(table.state.Scores[1], 40);
    table.game.ChangePlayerCount(3);
    EXPECT_EQ(table.state.PlayerCount, 3);
    EXPECT_EQ(table.state.Scores[1], 0);
    EXPECT_EQ(HandCount(table.state, 2), 7);

    TestTable idle{2};
    idle.game.ChangePlayerCount(4);
    EXPECT_EQ(idle.state.PlayerCount, 4);
    EXPECT_EQ(idle.state.GameInProgress, 0);
    EXPECT_TRUE(idle.view.events.empty());
}

}  // namespace
}  // namespace pipwick
