#include <gtest/gtest.h>

#include "tests/engine/test_table.h"
#include "tests/support/same_state.h"

namespace pipwick {
namespace {

struct Placing : ::testing::Test {
    TestTable table{2};
    GameState& s = table.state;

    void SetUp() override {
        table.StartEmptyHand();
        table.Hand(1, {T(1, 2)});
        table.Hand(3, {T(1, 3)});
    }
    // A play by a computer player followed by the rest of its play.
    void Play(int arm, int32_t tile) {
        table.Lay(arm, tile);
        table.steps.AfterPlay(3);
    }
};

TEST_F(Placing, TheFirstTileOpensBothEndsOfTheMainLine) {
    ASSERT_TRUE(table.steps.PlaceTile(1, Rect{}, T(6, 4), 1));
    EXPECT_EQ(s.ArmOpenPip[0], 6);
    EXPECT_EQ(s.ArmOpenPip[2], 4);
    EXPECT_EQ(s.ArmOpenPip[1], kNoPip);
    EXPECT_EQ(s.ArmOpenPip[3], kNoPip);
    EXPECT_EQ(s.ArmDropRect[0], s.Arm[0][0].OuterHalf);
    EXPECT_EQ(s.ArmDropRect[2], s.Arm[0][0].InnerHalf);
    EXPECT_EQ(s.Arm[0][0].InnerPip, 4);
    EXPECT_EQ(s.Arm[0][0].OuterPip, 6);
}

TEST_F(Placing, TheHumansTileMustMatchTheArm) {
    table.steps.PlaceTile(1, Rect{}, T(6, 4), 1);
    const GameState before = s;
    table.view.events.clear();
    EXPECT_FALSE(table.steps.PlaceTile(1, Rect{}, T(4, 1), 1));
    EXPECT_FALSE(table.steps.PlaceTile(1, Rect{}, T(6, 1), 3));
    EXPECT_FALSE(table.steps.PlaceTile(1, Rect{}, T(4, 1), 2));  // a closed side arm
    EXPECT_TRUE(SameState(before, s));
    EXPECT_EQ(table.view.events, std::vector<std::string>(3, "message 0"));

    EXPECT_TRUE(table.steps.PlaceTile(1, Rect{}, T(4, 1), 3));
    EXPECT_EQ(s.Arm[2][0].InnerPip, 4);
    EXPECT_EQ(s.Arm[2][0].OuterPip, 1);
    EXPECT_EQ(s.ArmOpenPip[2], 1);
    EXPECT_TRUE(table.steps.PlaceTile(1, Rect{}, T(6, 1), 1));
    EXPECT_EQ(s.ArmOpenPip[0], 1);
}

TEST_F(Placing, ALedDoubleIsTheSpinnerAndItsSideArmsOpenOnceBothSidesCarryTiles) {
    Play(0, T(5, 5));
    EXPECT_EQ(s.SpinnerState, kSpinnerDown);
    const Rect whole = Union(s.Arm[0][0].InnerHalf, s.Arm[0][0].OuterHalf);
    EXPECT_EQ(s.ArmDropRect[0], whole);
    EXPECT_EQ(s.ArmDropRect[2], whole);
    EXPECT_EQ(s.ArmOpenPip[0], 5);
    EXPECT_EQ(s.ArmOpenPip[2], 5);

    Play(0, T(5, 3));
    EXPECT_EQ(s.SpinnerState, kSpinnerDown);
    EXPECT_EQ(s.ArmOpenPip[1], kNoPip);
    Play(2, T(5, 1));
    EXPECT_EQ(s.SpinnerState, kSideArmsOpen);
    EXPECT_EQ(s.ArmOpenPip[1], 5);
    EXPECT_EQ(s.ArmOpenPip[3], 5);
    EXPECT_EQ(s.ArmDropRect[1], s.Arm[0][0].InnerHalf);
    EXPECT_EQ(s.ArmDropRect[3], s.Arm[0][0].OuterHalf);
}

TEST_F(Placing, ADoubleOnArmTwoBecomesTheRootAndTheLineRunsThroughIt) {
    Play(0, T(3, 4));
    Play(0, T(4, 6));
    table.view.events.clear();
    table.Lay(2, T(3, 3));
    EXPECT_EQ(s.SpinnerState, kSpinnerJustLaid);
    EXPECT_EQ(table.view.Only("redraw").size(), 1u);
    ASSERT_EQ(ArmLength(s, 0), 3);
    EXPECT_EQ(ArmLength(s, 2), 0);
    const int32_t tiles[] = {T(3, 3), T(3, 4), T(4, 6)};
    const int32_t inner[] = {3, 3, 4};
    const int32_t outer[] = {3, 4, 6};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(s.Arm[0][i].Tile, tiles[i]) << i;
        EXPECT_EQ(s.Arm[0][i].InnerPip, inner[i]) << i;
        EXPECT_EQ(s.Arm[0][i].OuterPip, outer[i]) << i;
    }
    EXPECT_EQ(s.ArmOpenPip[0], 6);
    EXPECT_EQ(s.ArmOpenPip[2], 3);
    EXPECT_EQ(s.ArmDropRect[2], s.Arm[0][0].InnerHalf);
    // The spinner stands upright at the centre.
    EXPECT_EQ(s.Arm[0][0].InnerHalf, (Rect{309, 207, 331, 229}));
    EXPECT_EQ(s.Arm[0][0].OuterHalf, (Rect{309, 228, 331, 250}));

    table.steps.AfterPlay(3);
    EXPECT_EQ(s.SpinnerState, kSpinnerDown);
    EXPECT_EQ(s.ArmDropRect[2], Union(s.Arm[0][0].InnerHalf, s.Arm[0][0].OuterHalf));
    Play(2, T(3, 0));
    EXPECT_EQ(s.SpinnerState, kSideArmsOpen);
}

TEST_F(Placing, ADoubleOnArmZeroLeavesTheRestOfTheLineOnArmTwo) {
    Play(0, T(3, 4));
    Play(2, T(3, 1));
    table.Lay(0, T(4, 4));
    ASSERT_EQ(ArmLength(s, 0), 1);
    ASSERT_EQ(ArmLength(s, 2), 2);
    EXPECT_EQ(s.Arm[0][0].Tile, T(4, 4));
    EXPECT_EQ(s.Arm[2][0].Tile, T(3, 4));
    EXPECT_EQ(s.Arm[2][0].InnerPip, 4);
    EXPECT_EQ(s.Arm[2][0].OuterPip, 3);
    EXPECT_EQ(s.Arm[2][1].Tile, T(3, 1));
    EXPECT_EQ(s.Arm[2][1].InnerPip, 3);
    EXPECT_EQ(s.Arm[2][1].OuterPip, 1);
    EXPECT_EQ(s.ArmOpenPip[0], 4);
    EXPECT_EQ(s.ArmOpenPip[2], 1);
    EXPECT_EQ(s.ArmDropRect[2], s.Arm[2][1].OuterHalf);

    table.steps.AfterPlay(3);
    EXPECT_EQ(s.ArmDropRect[0], Union(s.Arm[0][0].InnerHalf, s.Arm[0][0].OuterHalf));
    // A play on arm 2 leaves arm 0 with the spinner alone: the side arms stay closed.
    Play(2, T(1, 6));
    EXPECT_EQ(s.SpinnerState, kSpinnerDown);
    Play(0, T(4, 2));
    EXPECT_EQ(s.SpinnerState, kSideArmsOpen);
    EXPECT_EQ(s.ArmOpenPip[1], 4);
}

TEST_F(Placing, ADoubleAfterTheSpinnerIsAnOrdinaryTile) {
    Play(0, T(2, 2));
    Play(0, T(2, 6));
    table.view.events.clear();
    Play(0, T(6, 6));
    EXPECT_EQ(s.Arm[0][0].Tile, T(2, 2));
    EXPECT_EQ(s.Arm[0][2].Tile, T(6, 6));
    EXPECT_TRUE(table.view.Only("redraw").empty());
    EXPECT_EQ(s.ArmDropRect[0], Union(s.Arm[0][2].InnerHalf, s.Arm[0][2].OuterHalf));
    // Open ends: 6-6 counts 12, the spinner's other side 4.
    EXPECT_EQ(PlayScore(s), 0);
    Play(2, T(2, 3));
    EXPECT_EQ(PlayScore(s), 15);
}

// Tables that play never makes, as a broken saved game could have them: the engine must not write
// or read outside its arrays however the state came about.

// A side arm open before any spinner: the double dropped there is not on the main line, so the
// line cannot be re-rooted at it and stays as it was.
TEST_F(Placing, ADoubleOffTheMainLineLeavesTheLineAlone) {
    Play(0, T(3, 5));
    Play(2, T(3, 1));
    s.ArmOpenPip[1] = 5;
    const GameState before = s;
    ASSERT_TRUE(table.steps.PlaceTile(1, Rect{}, T(5, 5), 2));
    EXPECT_EQ(s.Arm[1][0].Tile, T(5, 5));
    EXPECT_EQ(s.SpinnerState, kNoSpinner);
    for (int arm : {0, 2}) {
        EXPECT_EQ(ArmLength(s, arm), ArmLength(before, arm)) << arm;
        EXPECT_EQ(s.Arm[arm][0].Tile, before.Arm[arm][0].Tile) << arm;
        EXPECT_EQ(s.ArmOpenPip[arm], before.ArmOpenPip[arm]) << arm;
    }
}

// An arm holding all 28 records has no free record left: a play there is refused, for the human
// with the usual message, and the arm after it in memory is left alone.
TEST_F(Placing, APlayOntoAFullArmIsRefused) {
    Play(0, T(3, 5));
    for (int r = 1; r < kArmLength; ++r) {
        s.Arm[0][r] = {T(5, 5), 5, 5, {}, {}};
    }
    s.ArmOpenPip[0] = 5;
    for (const int player : {1, 3}) {
        const GameState before = s;
        table.view.events.clear();
        EXPECT_FALSE(table.steps.PlaceTile(player, Rect{}, T(5, 2), 1)) << player;
        EXPECT_TRUE(SameState(before, s)) << player;
        EXPECT_EQ(table.view.events, std::vector<std::string>(player == 1 ? 1 : 0, "message 0"))
            << player;
    }
}

TEST_F(Placing, DropAreasAreTestedInTheOrderZeroTwoOneThree) {
    s.ArmDropRect[0] = {0, 0, 0, 0};
    s.ArmDropRect[1] = {10, 10, 40, 40};
    s.ArmDropRect[2] = {30, 30, 60, 60};
    s.ArmDropRect[3] = {100, 100, 120, 120};
    EXPECT_EQ(DropArmAt(s, 35, 35), 2);
    EXPECT_EQ(DropArmAt(s, 15, 15), 1);
    EXPECT_EQ(DropArmAt(s, 110, 119), 3);
    EXPECT_EQ(DropArmAt(s, 120, 110), -1);
    EXPECT_EQ(DropArmAt(s, 0, 5), -1);
}

}  // namespace
}  // namespace pipwick
