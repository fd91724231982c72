#include <gtest/gtest.h>

#include "engine/game.h"
#include "model/rules.h"
#include "tests/shell/sound_test_support.h"

namespace pipwick {
namespace {

// With partners each caption shows the pair's score, the human's names the game, and the end of a
// hand and of the game names the pair.
TEST(Partners, CaptionsShowThePairsScoreAndTheEndNamesThePair) {
    PreferencesProgram program({"nump=4", "partners=1", "game=1"});
    Application& app = *program.app;
    app.Human().Action(Command::kNew).trigger();
    ASSERT_TRUE(PlaysInPairs(app.State().Rules));
    AddToScore(app.State(), 4, 35);
    AddToScore(app.State(), 1, 20);
    app.View().Announce({AnnouncementKind::kTurn, kHumanSeat});
    EXPECT_EQ(app.Human().windowTitle(), "20 - Player (Draw to 100, partners)");
    EXPECT_EQ(app.Human().Score().Text(), "Score: 20 (Draw to 100, partners)");
    EXPECT_EQ(app.Opponent(2).windowTitle(), "35 - Lefty");
    EXPECT_EQ(app.Opponent(3).windowTitle(), "20 - TopGun");
    EXPECT_EQ(app.Opponent(4).windowTitle(), "35 - RightStuff");
    EXPECT_EQ(app.Table().windowTitle(), "Pipwick - Draw to 100, partners");
    // The hand is won by the pair, whichever partner went out.
    app.View().Announce({AnnouncementKind::kDominoesScores, 4, 0, 35});
    EXPECT_EQ(app.Human().Status(), "Lefty and RightStuff dominoes, scores 35");
    app.View().Announce({AnnouncementKind::kDominoes, 1});
    EXPECT_EQ(app.Human().Status(), "Player and TopGun dominoes.");

    program.prompts.popups.clear();
    app.View().ShowMessage(Message::kComputerWins, 4);
    app.View().ShowMessage(Message::kComputerWins, 3);
    app.View().ShowMessage(Message::kHumanWins, 0);
    app.View().ShowMessage(Message::kHandOver, 0);
    EXPECT_EQ(
        program.prompts.popups,
        (std::vector<QString>{"Draw: This game is over.  Lefty and RightStuff are the winners.",
                              "Draw: Congratulations!  You and TopGun won the game!",
                              "Draw: Congratulations!  You and TopGun won the game!",
                              "Draw: This hand is over."}));
}

// Without partners the scores and the end of the game are each player's own, as always.
TEST(Partners, WithoutThemEveryoneKeepsHisOwnScore) {
    PreferencesProgram program({"nump=4", "partners=0", "game=2"});
    Application& app = *program.app;
    app.Human().Action(Command::kNew).trigger();
    AddToScore(app.State(), 4, 35);
    app.View().Announce({AnnouncementKind::kTurn, kHumanSeat});
    EXPECT_EQ(app.Opponent(2).windowTitle(), "0 - Lefty");
    EXPECT_EQ(app.Opponent(4).windowTitle(), "35 - RightStuff");
    EXPECT_EQ(app.Table().windowTitle(), "Pipwick - Block to 100");
    program.prompts.popups.clear();
    app.View().ShowMessage(Message::kComputerWins, 3);
    EXPECT_EQ(program.prompts.popups,
              std::vector<QString>{"Block: This game is over.  TopGun is the winner."});
}

}  // namespace
}  // namespace pipwick
