#include "ai/line_game_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <iterator>

#include "model/rules.h"
#include "tests/ai/hand_of_tiles.h"

namespace pipwick {
namespace {

// A Draw game between two with 3-4 on the table (ends 4 on arm 0 and 3 on arm 2), seat 1 to play.
struct LineTable {
    GameState state;
    explicit LineTable(DominoGame game = DominoGame::Draw) {
        ResetGameState(state);
        state.Rules.Game = game;
        state.Rules.Target = kDefaultTarget;
        state.CurrentPlayer = 1;
        state.Arm[0][0] = PlacedTile{T(3, 4), 3, 4, {}, {}};
        state.ArmOpenPip[0] = 4;
        state.ArmOpenPip[2] = 3;
    }
    void SeenToPass(int player, int32_t openPips) {
        state.History.Events[state.History.Count++] = {HandEventKind::kPass, player, kNoTile,
                                                       openPips};
    }
};

TEST(LineGamePlayer, LeavesAnEndTheNextOpponentWasSeenToLack) {
    const Hand hand{T(4, 1), T(4, 2)};
    LineTable table;
    EXPECT_EQ(hand.TileOf(ChooseLineGamePlay(table.state, hand.slots)), T(4, 2));
    table.SeenToPass(3, 1 << 1);
    EXPECT_EQ(hand.TileOf(ChooseLineGamePlay(table.state, hand.slots)), T(4, 1));
    // A pass of one's own says nothing about the next player.
    LineTable own;
    own.SeenToPass(1, 1 << 1);
    EXPECT_EQ(hand.TileOf(ChooseLineGamePlay(own.state, hand.slots)), T(4, 2));
}

// 4-1 leaves an end that 1-1 and 1-2 can follow; the heavier 4-5 leaves one nothing in hand can.
TEST(LineGamePlayer, KeepsTilesForTheEndsItLeavesWhateverTheOrderOfTheHand) {
    int32_t tiles[] = {T(1, 1), T(1, 2), T(4, 1), T(4, 5)};
    int orders = 0;
    do {
        const Hand hand{tiles[0], tiles[1], tiles[2], tiles[3]};
        for (DominoGame game : {DominoGame::Draw, DominoGame::Block}) {
            const Play play = ChooseLineGamePlay(LineTable(game).state, hand.slots);
            EXPECT_EQ(hand.TileOf(play), T(4, 1));
            EXPECT_EQ(play.arm, 0);
        }
        ++orders;
    } while (std::next_permutation(std::begin(tiles), std::end(tiles)));
    EXPECT_EQ(orders, 24);
}

TEST(LineGamePlayer, PlaysOnlyWhatFitsAndNothingWhenNothingDoes) {
    const LineTable table;
    const Hand none{T(0, 0), T(5, 6), T(1, 2)};
    EXPECT_EQ(ChooseLineGamePlay(table.state, none.slots).slot, kEmptySlot);
    const Hand one{T(0, 0), T(3, 6), T(1, 2)};
    EXPECT_EQ(ChooseLineGamePlay(table.state, one.slots), (Play{1, 2}));
}

TEST(LineGamePlayer, LeadsABackedHeavyDouble) {
    LineTable table;
    table.state.Arm[0][0] = PlacedTile{};
    const Hand hand{T(0, 1), T(1, 6), T(5, 6), T(6, 6)};
    EXPECT_EQ(ChooseLineGamePlay(table.state, hand.slots), (Play{3, 0}));
}

// On one of the Expert's deals the next opponent's hand is dealt: 4-2 is the heavier play, but
// leaving him an end he cannot follow makes him pass or draw, unless both plays leave him one.
TEST(LineGamePlayer, LooksAtTheNextOpponentsDealtHandOnlyWhenAskedTo) {
    struct Case {
        Hand theirs;
        int32_t lookAhead;
    };
    const Hand hand{T(4, 1), T(4, 2)};
    for (const Case& c : {Case{{T(2, 5), T(6, 6)}, T(4, 1)}, Case{{T(2, 5), T(1, 6)}, T(4, 2)},
                          Case{{T(5, 5), T(6, 6)}, T(4, 2)}}) {
        for (DominoGame game : {DominoGame::Draw, DominoGame::Block}) {
            LineTable table(game);
            std::copy(std::begin(c.theirs.slots), std::end(c.theirs.slots), table.state.Hand[3]);
            EXPECT_EQ(hand.TileOf(ChooseLineGamePlay(table.state, hand.slots)), T(4, 2));
            EXPECT_EQ(hand.TileOf(ChooseLookAheadLinePlay(table.state, hand.slots)), c.lookAhead);
            EXPECT_EQ(ChooseLookAheadPlay(table.state, hand.slots),
                      ChooseLookAheadLinePlay(table.state, hand.slots));
        }
    }
}

// Where the ends score, 4-6 is the Advanced play (it sheds more, or scores 3 in Fives and
// Threes), but it hands a 6-6 fifteen; 4-1 leaves him nothing to follow.
TEST(LookAheadPlay, GivesUpAPlayThatHandsTheNextOpponentMorePoints) {
    struct Case {
        Hand theirs;
        int32_t lookAhead;
    };
    const Hand hand{T(4, 1), T(4, 6)};
    for (const Case& c : {Case{{T(6, 6)}, T(4, 1)}, Case{{T(5, 5)}, T(4, 6)}}) {
        for (DominoGame game : {DominoGame::AllFives, DominoGame::FivesAndThrees}) {
            LineTable table(game);
            std::copy(std::begin(c.theirs.slots), std::end(c.theirs.slots), table.state.Hand[3]);
            const Play advanced = ChooseComputerPlay(table.state, hand.slots, Level::Advanced);
            EXPECT_EQ(hand.TileOf(advanced), T(4, 6));
            EXPECT_EQ(hand.TileOf(ChooseLookAheadPlay(table.state, hand.slots)), c.lookAhead);
        }
    }
}

// The Beginner plays as in All Fives; the Advanced player turns to the line game's rules.
TEST(LineGamePlayer, IsWhatAnAdvancedPlayerChoosesWhereNothingScoresDuringPlay) {
    const Hand hand{T(1, 1), T(1, 2), T(4, 1), T(4, 5)};
    for (DominoGame game : {DominoGame::AllFives, DominoGame::Draw, DominoGame::Block}) {
        const LineTable table(game);
        const Play advanced = ChooseComputerPlay(table.state, hand.slots, Level::Advanced);
        const Play beginner = ChooseComputerPlay(table.state, hand.slots, Level::Beginner);
        if (game == DominoGame::AllFives) {
            EXPECT_EQ(hand.TileOf(advanced), T(4, 5));  // 5 + 3 does not score: the heaviest
        } else {
            EXPECT_EQ(advanced, ChooseLineGamePlay(table.state, hand.slots));
        }
        EXPECT_EQ(beginner, (Play{2, 0}));
    }
}

}  // namespace
}  // namespace pipwick
