// A hand played the way a person plays it: clicks in the human's window and on the table.
#include <gtest/gtest.h>

#include <QtTest/QTest>

#include "ai/computer_player.h"
#include "shell/app/application.h"
#include "tests/shell/shell_test_support.h"

namespace pipwick {
namespace {

struct WholeHand : ::testing::Test {
    TestProgram program{{"sound=0", "delay=0"}};
    Application& app = *program.app;
    GameState& s = app.State();

    // A tile of the human's hand and an open arm it does not match, if there is one.
    bool FindIllegalDrop(int& slot, int& arm) const {
        for (slot = 0; slot < HandCount(s, 1); ++slot) {
            const int32_t tile = s.Hand[1][slot];
            for (arm = 0; arm < kArmCount; ++arm) {
                const int32_t open = s.ArmOpenPip[arm];
                if (!s.ArmDropRect[arm].IsEmpty() && open != kNoPip && !Shows(tile, open)) {
                    return true;
                }
            }
        }
        return false;
    }
};

TEST_F(WholeHand, IsPlayedThroughTheWindows) {
    app.Human().Action(Command::kNew).trigger();
    ASSERT_EQ(s.CurrentPlayer, 1);
    ASSERT_TRUE(TableIsEmpty(s));

    // The human leads with one click; the computer answers before the click returns.
    const int32_t lead = s.Hand[1][0];
    ClickHandSlot(app, 0);
    EXPECT_EQ(s.Arm[0][0].Tile, lead);
    EXPECT_EQ(s.SelectedTile, kNoSelection);

    bool refused = false;
    bool dragged = false;
    for (int move = 0; move < 200 && !HandOverShown(program.prompts) && s.CurrentPlayer == 1;
         ++move) {
        int slot = 0;
        int arm = 0;
        if (!refused && FindIllegalDrop(slot, arm)) {
            // A tile dropped where it does not fit stays in the hand, put down.
            const int32_t tile = s.Hand[1][slot];
            ClickHandSlot(app, slot);
            EXPECT_EQ(s.SelectedTile, tile);
            ClickTable(app, Centre(s.ArmDropRect[arm]));
            ASSERT_FALSE(program.prompts.popups.empty());
            EXPECT_EQ(program.prompts.popups.back(), "That domino won't play there!");
            EXPECT_EQ(program.prompts.popupPlaces.back(),
                      PopupRect(ToRect(app.Human().frameGeometry())));
            EXPECT_EQ(s.SelectedTile, kNoSelection);
            EXPECT_EQ(s.Hand[1][slot], tile);
            refused = true;
            continue;
        }
        if (!dragged) {
            // With a tile picked up, a press outside every drop area drags the table.
            ClickHandSlot(app, 0);
            const QPoint start = app.Table().pos();
            QTest::mousePress(&app.Table(), Qt::LeftButton, {}, QPoint(2, 2));
            EXPECT_TRUE(app.Table().Dragging());
            QTest::mouseMove(&app.Table(), QPoint(32, 22));
            QTest::mouseRelease(&app.Table(), Qt::LeftButton, {}, QPoint(32, 22));
            EXPECT_FALSE(app.Table().Dragging());
            EXPECT_EQ(app.Table().pos(), start + QPoint(30, 20));
            app.Table().move(start);
            EXPECT_EQ(s.SelectedTile, s.Hand[1][0]);
            dragged = true;
        }
        const Play play = ChooseComputerPlay(s, s.Hand[1], Level::Advanced);
        slot = play.slot;
        if (slot == kEmptySlot) {
            app.Human().Action(Command::kDrawPass).trigger();
            continue;
        }
        const int before = HandCount(s, 1);
        ClickHandSlot(app, slot);
        ClickTable(app, Centre(s.ArmDropRect[play.arm]));
        EXPECT_TRUE(HandOverShown(program.prompts) || HandCount(s, 1) < before ||
                    s.CurrentPlayer != 1);
    }
    EXPECT_TRUE(HandOverShown(program.prompts));
    EXPECT_TRUE(dragged);
}

TEST_F(WholeHand, PressesOutsideTheHumansTurnOnlyDragTheTable) {
    ClickHandSlot(app, 0);  // no game yet
    EXPECT_TRUE(TableIsEmpty(s));
    app.Human().Action(Command::kNew).trigger();
    ClickHandSlot(app, 0);
    ASSERT_FALSE(TableIsEmpty(s));
    ASSERT_EQ(s.CurrentPlayer, 1);
    s.CurrentPlayer = 3;  // as while the computers move
    const int32_t length = ArmLength(s, 0);
    ClickHandSlot(app, 1);
    EXPECT_EQ(s.SelectedTile, kNoSelection);
    QTest::mousePress(&app.Table(), Qt::LeftButton, {}, Centre(s.ArmDropRect[0]));
    EXPECT_TRUE(app.Table().Dragging());
    QTest::mouseRelease(&app.Table(), Qt::LeftButton, {}, Centre(s.ArmDropRect[0]));
    EXPECT_EQ(ArmLength(s, 0), length);
}

TEST_F(WholeHand, EscapeAndDoubleClicksActOnTheHand) {
    app.Human().Action(Command::kNew).trigger();
    ClickHandSlot(app, 0);
    ASSERT_EQ(s.CurrentPlayer, 1);
    ClickHandSlot(app, 1);
    const int32_t picked = s.Hand[1][1];
    EXPECT_EQ(s.SelectedTile, picked);
    PressKey(app, Qt::Key_Escape);
    EXPECT_EQ(s.SelectedTile, kNoSelection);
    EXPECT_EQ(s.Hand[1][1], picked);

    // A left double-click with "dclk" 0 is two clicks; a right double-click draws.
    const int count = HandCount(s, 1);
    ASSERT_EQ(count, 6);
    EXPECT_EQ(app.Human().frameGeometry().width(), 262);
    QTest::mouseDClick(&app.Human().Hand(), Qt::LeftButton, {},
                       Centre(app.Layout().HandSlotRect[1]));
    EXPECT_EQ(s.SelectedTile, picked);
    EXPECT_EQ(HandCount(s, 1), count);
    QTest::mouseDClick(&app.Human().Hand(), Qt::RightButton, {},
                       Centre(app.Layout().HandSlotRect[1]));
    EXPECT_EQ(HandCount(s, 1), count + 1);
    // Ctrl+A is Draw/Pass too.
    QTest::keyClick(&app.Human(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(HandCount(s, 1), count + 2);
    // Up to seven tiles the window keeps the seven-tile width; from the eighth on it grows.
    EXPECT_EQ(app.Human().frameGeometry().width(), 300);
}

}  // namespace
}  // namespace pipwick
