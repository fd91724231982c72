// The hint through the windows: H or Ctrl+H, the tile picked up, its end marked, the words in the
// status line, and one click on the marked end to take it.
#include <gtest/gtest.h>

#include <QtTest/QTest>

#include "engine/hint.h"
#include "shell/app/application.h"
#include "tests/shell/shell_test_support.h"

namespace pipwick {
namespace {

struct HintWindows : ::testing::Test {
    TestProgram program{{"sound=0", "delay=0", "marks=0"}};
    Application& app = *program.app;
    GameState& s = app.State();

    QString Name(int32_t tile) const {
        return QStringLiteral("%1-%2").arg(HighPip(tile)).arg(LowPip(tile));
    }
    // Once the moves come back to the human, the status line says so: neither the hint the move
    // made untrue nor the other players' news stays.
    void ExpectTurnTold() {
        if (s.GameInProgress == 1 && s.CurrentPlayer == 1 && program.prompts.popups.empty()) {
            EXPECT_EQ(app.Human().Status(), "Player's turn");
        }
    }
};

TEST_F(HintWindows, ShowsTheStrongestPlayAndOneClickTakesIt) {
    EXPECT_EQ(app.Human().Action(Command::kHint).text(), "&Hint\tH");
    app.Human().Action(Command::kNew).trigger();
    ASSERT_TRUE(TableIsEmpty(s));

    // The lead: the tile is picked up and one click on it leads it.
    PressKey(app, Qt::Key_H);
    const Hint lead = HintForHuman(s, app.Layout());
    ASSERT_EQ(lead.kind, Hint::Kind::kLead);
    EXPECT_EQ(s.SelectedTile, lead.tile);
    EXPECT_TRUE(app.Human().Status().startsWith(QStringLiteral("Lead ") + Name(lead.tile)));
    EXPECT_TRUE(app.Table().Marks().empty());
    ClickHandSlot(app, lead.slot);
    EXPECT_EQ(s.Arm[0][0].Tile, lead.tile);
    EXPECT_EQ(s.SelectedTile, kNoSelection);

    const char* ends[] = {"right", "top", "left", "bottom"};
    int plays = 0;
    int draws = 0;
    for (int turn = 0; turn < 40 && s.GameInProgress == 1 && s.CurrentPlayer == 1 &&
                       program.prompts.popups.empty();
         ++turn) {
        const Hint hint = HintForHuman(s, app.Layout());
        PressKey(app, Qt::Key_H, turn % 2 == 0 ? Qt::ControlModifier : Qt::NoModifier);
        if (hint.kind == Hint::Kind::kDraw || hint.kind == Hint::Kind::kPass) {
            EXPECT_EQ(app.Human().Status(),
                      hint.kind == Hint::Kind::kDraw ? "Draw from the bone pile" : "Pass");
            EXPECT_EQ(s.SelectedTile, kNoSelection);
            EXPECT_TRUE(app.Table().Marks().empty());
            app.Human().Action(Command::kDrawPass).trigger();
            ExpectTurnTold();
            ++draws;
            continue;
        }
        ASSERT_EQ(hint.kind, Hint::Kind::kPlay);
        QString words =
            QStringLiteral("Play %1 on the %2 end").arg(Name(hint.tile), ends[hint.arm]);
        if (hint.score > 0) {
            words += QStringLiteral(" for %1").arg(hint.score);
        }
        EXPECT_EQ(app.Human().Status(), words);
        EXPECT_EQ(s.SelectedTile, hint.tile);
        // Only the hinted end is marked, even with the marks turned off.
        const Rect end = s.ArmDropRect[hint.arm];
        EXPECT_EQ(app.Table().Marks(), std::vector<Rect>{end});
        const int32_t score = s.Scores[1];
        ClickTable(app, Centre(end));
        EXPECT_TRUE(app.Table().Marks().empty());
        if (program.prompts.popups.empty()) {
            EXPECT_TRUE(IsOnTable(s, hint.tile));
            EXPECT_EQ(s.Scores[1] - score, hint.score);
        }
        ExpectTurnTold();
        ++plays;
    }
    EXPECT_GT(plays, 1);
    EXPECT_GT(plays + draws, 3);
}

TEST_F(HintWindows, OutsideAGameNothingHappens) {
    const QString status = app.Human().Status();
    PressKey(app, Qt::Key_H);
    EXPECT_EQ(app.Human().Status(), status);
    EXPECT_EQ(s.SelectedTile, kNoSelection);
}

}  // namespace
}  // namespace pipwick
