#include <gtest/gtest.h>

#include "tests/engine/test_table.h"

namespace pipwick {
namespace {

TEST(Deal, DealsSevenEachInTheOrderThreeOneTwoFour) {
    struct Case {
        int players;
        int order[4];
        int bonePileNext;
    };
    for (const Case& c : {Case{2, {3, 1}, 15}, Case{3, {3, 1, 2}, 22}, Case{4, {3, 1, 2, 4}, 29}}) {
        TestTable table(c.players);
        table.steps.ShuffleAndDeal();
        const GameState& s = table.state;
        int k = 1;
        for (int i = 0; i < 7; ++i) {
            for (int n = 0; n < c.players; ++n) {
                EXPECT_EQ(s.Hand[c.order[n]][i], s.Deck[k++]) << c.players << " players";
            }
        }
        EXPECT_EQ(s.BonePileNext, c.bonePileNext);
        for (int player = 1; player <= 4; ++player) {
            EXPECT_EQ(HandCount(s, player), TakesPart(s, player) ? 7 : 0);
        }
    }
}

TEST(Deal, TheShuffleIsHeardOnceBeforeTheTilesAreDealt) {
    TestTable table;
    table.steps.ShuffleAndDeal();
    EXPECT_EQ(table.view.events, std::vector<std::string>{"sound shuffle"});
    EXPECT_EQ(HandCount(table.state, 1), 7);
}

TEST(NewGame, TheHumanLeadsTheFirstHandAndTheLeadRotates) {
    struct Case {
        int players;
        int secondLeader;
    };
    for (const Case& c : {Case{2, 3}, Case{3, 2}, Case{4, 2}}) {
        TestTable table(c.players);
        table.state.Scores[3] = 120;
        table.game.NewGame();
        EXPECT_EQ(table.state.GameInProgress, 1);
        EXPECT_EQ(table.state.Scores[3], 0);
        EXPECT_EQ(table.state.CurrentPlayer, 1);
        EXPECT_EQ(table.state.NextLeader, c.secondLeader);
        EXPECT_EQ(table.view.Only("announce").front(), "announce Shuffling...");
        EXPECT_EQ(table.view.Only("announce").back(), "announce Player's down");
        EXPECT_EQ(table.view.Only("label").back(), c.players == 4 ? "label P&ass" : "label Dr&aw");
    }
}

TEST(StartHand, ClearsTheTableAndResetsTheHandState) {
    TestTable table;
    table.game.NewGame();
    table.Lay(0, table.state.Hand[1][0]);
    table.state.ConsecutivePasses = 1;
    table.state.NextLeader = 1;
    table.steps.StartHand();
    const GameState& s = table.state;
    EXPECT_TRUE(TableIsEmpty(s));
    EXPECT_EQ(s.SpinnerState, kNoSpinner);
    EXPECT_EQ(s.ConsecutivePasses, 0);
    EXPECT_EQ(s.SelectedTile, kNoSelection);
    for (int arm = 0; arm < kArmCount; ++arm) {
        EXPECT_EQ(s.ArmOpenPip[arm], kNoPip);
        EXPECT_TRUE(s.ArmDropRect[arm].IsEmpty());
    }
}

}  // namespace
}  // namespace pipwick
