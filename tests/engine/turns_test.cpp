#include <gtest/gtest.h>

#include "tests/engine/test_table.h"

namespace pipwick {
namespace {

// A hand in progress where nothing fits: the table shows 6-6 with every end open on 6.
struct Turns : ::testing::Test {
    TestTable table{2};
    GameState& s = table.state;

    void Setup(int players) {
        s.PlayerCount = players;
        table.StartEmptyHand();
        for (int player = 1; player <= 4; ++player) {
            table.Hand(player, {T(0, 0)});
        }
        table.Lay(0, T(6, 6));
        table.steps.AfterPlay(2);
        s.NextLeader = 1;
        table.view.events.clear();
        table.clock.waits.clear();
    }
    void BonePile(std::initializer_list<int32_t> tiles) {
        s.BonePileNext = kDeckSize - static_cast<int>(tiles.size());
        int p = s.BonePileNext;
        for (int32_t tile : tiles) {
            s.Deck[p++] = tile;
        }
    }
};

TEST_F(Turns, AComputerDrawsUntilATileFitsPausingAfterEachDraw) {
    Setup(2);
    table.settings.PlayDelay = 2;
    table.Hand(1, {T(0, 1)});
    table.Hand(3, {T(0, 2), T(1, 2)});
    BonePile({T(0, 3), T(1, 3), T(3, 6), T(2, 2)});
    s.CurrentPlayer = 3;
    table.steps.ComputerTurn(3);
    EXPECT_EQ(table.clock.waits, (std::vector<uint32_t>{2000, 500, 500, 500}));
    EXPECT_EQ(table.view.Only("sound"),
              (std::vector<std::string>{"sound drawn 3", "sound drawn 3", "sound drawn 3"}));
    EXPECT_EQ(s.BonePileNext, 28);
    EXPECT_EQ(ArmLength(s, 0), 2);
    EXPECT_EQ(s.Arm[0][1].Tile, T(3, 6));
    EXPECT_EQ(HandCount(s, 3), 4);
    EXPECT_EQ(s.CurrentPlayer, 1);
}

TEST_F(Turns, TheLastDrawTurnsTheCommandIntoPass) {
    Setup(2);
    table.Hand(1, {T(0, 1)});
    table.Hand(3, {T(0, 2)});
    BonePile({T(0, 3)});
    s.CurrentPlayer = 3;
    table.steps.ComputerTurn(3);
    EXPECT_EQ(table.view.Only("label"), std::vector<std::string>{"label P&ass"});
    EXPECT_EQ(s.ConsecutivePasses, 1);
    EXPECT_EQ(s.CurrentPlayer, 1);
    EXPECT_EQ(table.view.Only("announce").back(), "announce TopGun passes");
}

TEST_F(Turns, TheHumansPassHandsTheTurnOnWithBothNames) {
    Setup(2);
    table.settings.PlayDelay = 2;
    table.Hand(1, {T(0, 1)});
    table.Hand(3, {T(0, 2), T(6, 1)});
    s.CurrentPlayer = 1;
    table.game.HumanDrawsOrPasses();
    EXPECT_EQ(table.view.Only("announce").front(), "announce Player passed.  TopGun's turn");
    EXPECT_EQ(table.clock.waits.front(), 2000u);
    EXPECT_EQ(s.Arm[0][1].Tile, T(6, 1));
    EXPECT_EQ(s.CurrentPlayer, 1);
}

TEST_F(Turns, DrawPassDoesNothingOutsideTheHumansTurn) {
    Setup(2);
    table.Hand(1, {T(0, 1)});
    BonePile({T(0, 3)});
    for (int player : {0, 3}) {
        s.CurrentPlayer = player;
        const GameState before = s;
        table.game.HumanDrawsOrPasses();
        EXPECT_EQ(s.BonePileNext, before.BonePileNext);
        EXPECT_EQ(HandCount(s, 1), 1);
    }
    // His seat, but the game is over: no draw either, as for every other command of his.
    s.CurrentPlayer = kHumanSeat;
    s.GameInProgress = 0;
    table.game.HumanDrawsOrPasses();
    EXPECT_EQ(s.BonePileNext, kDeckSize - 1);
    EXPECT_EQ(HandCount(s, 1), 1);
}

TEST_F(Turns, AHandWhereNobodyCanPlayEndsOnTheComputersPassThatCompletesTheRound) {
    Setup(3);
    table.Hand(1, {T(0, 1)});
    table.Hand(2, {T(0, 2)});
    table.Hand(3, {T(0, 3)});
    s.CurrentPlayer = 2;
    table.steps.ComputerTurn(2);
    table.steps.ComputerTurn(3);
    EXPECT_EQ(s.CurrentPlayer, 1);
    table.game.HumanDrawsOrPasses();
    std::vector<std::string> expected = {
        "sound passes 2",
        "announce Lefty passes",
        "sound passes 3",
        "announce TopGun passes",
        "announce Player passed.  Lefty's turn",
        "sound passes 1",
        "face up 3",
        "face up 2",
    };
    const std::vector<std::string>& events = table.view.events;
    ASSERT_GE(events.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(events.begin(), events.begin() + expected.size()), expected);
    // Counts 1, 2 and 3: the human is strictly lowest and wins the others' 5.
    EXPECT_EQ(s.Scores[1], 5);
}

TEST_F(Turns, WithFourPlayersAComputerThatCannotPlayPassesAtOnce) {
    Setup(4);
    for (int player = 1; player <= 4; ++player) {
        table.Hand(player, {T(0, player)});
    }
    s.CurrentPlayer = 4;
    table.steps.ComputerTurn(4);
    EXPECT_EQ(table.view.events,
              (std::vector<std::string>{"sound passes 4", "announce RightStuff passes"}));
    EXPECT_EQ(table.clock.waits, std::vector<uint32_t>{0});
}

TEST_F(Turns, AComputerPlayAnnouncesTheNextPlayerThenScores) {
    Setup(2);
    table.Hand(1, {T(0, 1)});
    table.Hand(3, {T(6, 2), T(0, 2)});
    s.CurrentPlayer = 3;
    table.steps.ComputerTurn(3);
    EXPECT_EQ(table.view.Only("announce"),
              (std::vector<std::string>{"announce Player's turn", "announce Player's turn"}));
    table.Hand(3, {T(2, 3), T(0, 2)});
    s.CurrentPlayer = 3;
    table.view.events.clear();
    table.steps.ComputerTurn(3);  // 6 + 6 + 3 on the table after 2-3: 15
    EXPECT_EQ(table.view.Only("announce"),
              (std::vector<std::string>{"announce Player's turn", "announce TopGun scores 15"}));
}

}  // namespace
}  // namespace pipwick
