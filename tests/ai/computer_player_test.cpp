#include "ai/computer_player.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "model/tile_set.h"
#include "tests/ai/hand_of_tiles.h"

namespace pipwick {
namespace {

// A table built record by record: arms given as lists of (inner, outer) pips.
struct Table {
    GameState state;
    Table() { ResetGameState(state); }
    void Arm(int arm, std::initializer_list<std::pair<int, int>> records) {
        int i = 0;
        for (auto [inner, outer] : records) {
            state.Arm[arm][i++] = PlacedTile{T(inner, outer), inner, outer, {}, {}};
            state.ArmOpenPip[arm] = outer;
        }
    }
};

TEST(ChooseLead, PrefersABackedDoubleThenACountingTile) {
    struct Case {
        const char* name;
        Hand hand;
        int slot;
    };
    const Case cases[] = {
        {"5-5 with three other fives", {T(5, 1), T(5, 2), T(5, 5), T(5, 3), T(6, 6)}, 2},
        {"3-3 with three beats 6-6 with two",
         {T(6, 6), T(6, 1), T(6, 2), T(3, 3), T(3, 0), T(3, 1), T(3, 4)},
         3},
        {"6-6 with exactly two when none has three", {T(1, 1), T(6, 6), T(6, 1), T(6, 2)}, 1},
        {"0-0 takes part like any double", {T(0, 1), T(0, 2), T(0, 3), T(0, 0)}, 3},
        {"4-6 outranks 0-5", {T(0, 5), T(1, 2), T(4, 6)}, 2},
        {"2-3 outranks 1-4", {T(1, 4), T(2, 3), T(1, 2)}, 1},
        {"slot 0 when nothing counts", {T(1, 2), T(0, 6), T(3, 6)}, 0},
        {"a double with one companion does not qualify", {T(2, 2), T(2, 0), T(1, 4)}, 2},
    };
    for (const Case& c : cases) {
        const Table table;
        const Play lead{c.slot, 0};
        EXPECT_EQ(ChooseComputerPlay(table.state, c.hand.slots, Level::Advanced), lead) << c.name;
        EXPECT_EQ(ChooseComputerPlay(table.state, c.hand.slots, Level::Beginner), lead) << c.name;
        EXPECT_EQ(ChooseLead(c.hand.slots), lead) << c.name;
    }
}

TEST(Level, ZeroIsBeginnerTwoIsExpertEveryOtherValueAdvanced) {
    const struct {
        int32_t setting;
        Level level;
    } cases[] = {{0, Level::Beginner}, {1, Level::Advanced},  {2, Level::Expert},
                 {3, Level::Advanced}, {-1, Level::Advanced}, {9, Level::Advanced}};
    for (const auto& c : cases) {
        EXPECT_EQ(LevelFromSetting(c.setting), c.level) << c.setting;
    }
}

TEST(FirstFittingSlots, FindsEachArmsLowestSlotShowingItsPip) {
    const Hand hand{T(1, 2), T(3, 4), T(4, 4), T(0, 4)};
    const int32_t open[kArmCount] = {4, 2, 6, kNoPip};
    int firstFit[kArmCount];
    EXPECT_TRUE(FirstFittingSlots(open, hand.slots, firstFit));
    EXPECT_EQ(firstFit[0], 1);
    EXPECT_EQ(firstFit[1], 0);
    EXPECT_EQ(firstFit[2], kEmptySlot);
    EXPECT_EQ(firstFit[3], kEmptySlot);
    const int32_t closed[kArmCount] = {6, 5, kNoPip, kNoPip};
    EXPECT_FALSE(FirstFittingSlots(closed, hand.slots, firstFit));
}

TEST(Beginner, PrefersArmTwoUnlessArmZerosFirstFitIsInAnEvenSlotBelowEight) {
    struct Case {
        Hand hand;
        int slot;
        int arm;
    };
    // Arm 0 open on 4, arm 2 open on 3.
    const Case cases[] = {
        {{T(1, 1), T(4, 6), T(3, 5)}, 2, 2},  // arm 0's fit in slot 1: arm 2
        {{T(1, 1), T(0, 1), T(3, 5), T(1, 2), T(4, 6)}, 4, 0},
        {{T(4, 6), T(3, 5)}, 0, 0},
        {{T(1, 1), T(4, 6)}, 1, 0},  // nothing for arm 2
        {{T(1, 1), T(3, 6)}, 1, 2},
        {{T(1, 1), T(2, 2)}, kEmptySlot, 0},
    };
    for (const Case& c : cases) {
        Table table;
        table.Arm(0, {{3, 4}});
        table.state.ArmOpenPip[2] = 3;
        const Play play = ChooseComputerPlay(table.state, c.hand.slots, Level::Beginner);
        EXPECT_EQ(play.slot, c.slot);
        if (play.slot != kEmptySlot) {
            EXPECT_EQ(play.arm, c.arm);
        }
    }
}

TEST(Advanced, PlaysTheHighestScoringMultipleOfFive) {
    // Ends before the play: arm 0 shows 6-6 (12) and arm 2 the root's 3, so a play on arm 2
    // starts from 12 and one on arm 0 from 3.
    Table table;
    table.Arm(0, {{3, 6}, {6, 6}});
    table.state.ArmOpenPip[2] = 3;
    // On arm 2: 3-1 leaves 13, 3-3 leaves 18, 3-0 leaves 12; on arm 0: 6-2 leaves 5.
    const Hand hand{T(3, 1), T(6, 2), T(3, 0), T(3, 3)};
    EXPECT_EQ(ChooseComputerPlay(table.state, hand.slots, Level::Advanced), (Play{1, 0}));
    // 6-4 would leave 7 on arm 0: 6-2's 5 still wins, from its new slot.
    const Hand better{T(3, 1), T(3, 3), T(6, 2), T(6, 4)};
    EXPECT_EQ(ChooseComputerPlay(table.state, better.slots, Level::Advanced).slot, 2);
}

TEST(Advanced, ADoubleThatScoresMoreIsPreferred) {
    // Arm 0 ends in 5-5, so a play on arm 2 starts from 10.
    Table table;
    table.Arm(0, {{1, 5}, {5, 5}});
    table.state.ArmOpenPip[2] = 1;
    // On arm 2: 1-3 leaves 13, 1-5 leaves 15 and 1-1 leaves 12; on arm 0 1-5 leaves 2.
    const Hand hand{T(1, 3), T(1, 5), T(1, 1)};
    EXPECT_EQ(ChooseComputerPlay(table.state, hand.slots, Level::Advanced), (Play{1, 2}));
    // Both main ends open on 5: 5-0 leaves 5, 5-5 leaves 15.
    Table doubles;
    doubles.Arm(0, {{2, 5}});
    doubles.Arm(2, {{2, 0}, {0, 5}});
    const Hand withDouble{T(5, 0), T(5, 5)};
    EXPECT_EQ(ChooseComputerPlay(doubles.state, withDouble.slots, Level::Advanced), (Play{1, 0}));
}

TEST(Advanced, WithNoScoringPlayItShedsTheHeaviestTileArmZeroFirstOnTies) {
    Table table;
    table.Arm(0, {{1, 2}});
    table.state.ArmOpenPip[2] = 1;
    // 2-6 on arm 0 (8 pips) or 1-6 on arm 2 (7 pips); neither scores.
    const Hand hand{T(1, 6), T(2, 6)};
    EXPECT_EQ(ChooseComputerPlay(table.state, hand.slots, Level::Advanced), (Play{1, 0}));
    // Equal totals: 2-5 on arm 0 (7) and 1-6 on arm 2 (7): arm 0.
    const Hand tie{T(1, 6), T(2, 5)};
    EXPECT_EQ(ChooseComputerPlay(table.state, tie.slots, Level::Advanced), (Play{1, 0}));
}

TEST(Advanced, PlaysTheDoubleBlankWhenItIsTheOnlyTileThatFits) {
    Table table;
    table.Arm(0, {{2, 2}, {2, 3}});
    table.Arm(2, {{2, 4}});
    table.state.ArmOpenPip[1] = 0;
    table.state.ArmOpenPip[3] = 5;
    table.Arm(1, {{2, 0}});
    const Hand hand{T(1, 1), T(0, 0)};
    EXPECT_EQ(ChooseComputerPlay(table.state, hand.slots, Level::Advanced), (Play{1, 1}));
}

}  // namespace
}  // namespace pipwick
