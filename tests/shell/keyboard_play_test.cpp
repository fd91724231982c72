// Play from the keyboard alone: the focus in the hand, the chosen end on the table and the keys
// that give the same commands as the clicks.
#include <gtest/gtest.h>

#include <QtTest/QTest>
#include <algorithm>
#include <cstring>
#include <vector>

#include "ai/computer_player.h"
#include "engine/hint.h"
#include "model/rules.h"
#include "shell/app/application.h"
#include "table/end_marks.h"
#include "tests/shell/shell_test_support.h"

namespace pipwick {
namespace {

struct KeyboardPlay : ::testing::Test {
    explicit KeyboardPlay(std::vector<std::string> settings = {"sound=0", "delay=0"})
        : program(settings) {}

    TestProgram program;
    Application& app = *program.app;
    GameState& s = app.State();

    void SetUp() override {
        app.Human().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&app.Human()));
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(&app.Human().Hand(), key, modifiers);
    }
    bool HumanHolds(int32_t tile) const {
        return std::find(std::begin(s.Hand[1]), std::end(s.Hand[1]), tile) != std::end(s.Hand[1]);
    }
    void FocusOn(int slot) {
        Press(Qt::Key_Home);
        for (int i = 0; i < slot; ++i) {
            Press(Qt::Key_Right);
        }
    }
    // Plays on with keys until the human holds a tile that fits two ends or more; false when the
    // hand ends first.
    bool PlayOnUntilATileFitsTwoEnds() {
        for (int move = 0; move < 100 && !HandOverShown(program.prompts); ++move) {
            for (int slot = 0; slot < HandCount(s, 1) && !TableIsEmpty(s); ++slot) {
                FocusOn(slot);
                Press(Qt::Key_Space);
                if (app.Keys().FittingArms().size() >= 2) {
                    return true;
                }
                Press(Qt::Key_Escape);
            }
            const Play play = ChooseComputerPlay(s, s.Hand[1], Level::Advanced);
            if (play.slot == kEmptySlot) {
                Press(Qt::Key_A, Qt::ControlModifier);
                continue;
            }
            FocusOn(play.slot);
            Press(Qt::Key_Space);
            if (!TableIsEmpty(s) && s.SelectedTile != kNoSelection) {
                Press(static_cast<Qt::Key>(Qt::Key_1 + play.arm));
                Press(Qt::Key_Return);
            }
        }
        return false;
    }
};

// Each game, alone and with partners, is played with the same keys.
struct KeyboardPlayEveryGame : KeyboardPlay,
                               ::testing::WithParamInterface<std::vector<std::string>> {
    KeyboardPlayEveryGame() : KeyboardPlay(GetParam()) {}
};

INSTANTIATE_TEST_SUITE_P(
    Games, KeyboardPlayEveryGame,
    ::testing::Values(std::vector<std::string>{"sound=0", "delay=0"},
                      std::vector<std::string>{"sound=0", "delay=0", "game=1"},
                      std::vector<std::string>{"sound=0", "delay=0", "game=2", "nump=3"},
                      std::vector<std::string>{"sound=0", "delay=0", "nump=4", "partners=1"},
                      std::vector<std::string>{"sound=0", "delay=0", "nump=4", "partners=1",
                                               "game=2"}));

TEST_P(KeyboardPlayEveryGame, AWholeHandIsPlayedWithKeysAlone) {
    Press(Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(s.GameInProgress, 1);
    ASSERT_EQ(s.CurrentPlayer, 1);
    ASSERT_TRUE(TableIsEmpty(s));

    int plays = 0;
    int draws = 0;
    for (int move = 0; move < 200 && !HandOverShown(program.prompts); ++move) {
        ASSERT_EQ(s.CurrentPlayer, 1);
        const Play play = ChooseComputerPlay(s, s.Hand[1], Level::Advanced);
        if (play.slot == kEmptySlot) {
            const int32_t pile = s.BonePileNext;
            const bool mayDraw = MayDraw(s);
            Press(Qt::Key_A, Qt::ControlModifier);
            EXPECT_EQ(s.BonePileNext != pile, mayDraw);
            ++draws;
            continue;
        }
        const int32_t tile = s.Hand[1][play.slot];
        FocusOn(play.slot);
        EXPECT_EQ(app.Keys().FocusSlot(), play.slot);
        EXPECT_EQ(app.Human().HandKeysArea().FocusShownAt(), play.slot);
        if (TableIsEmpty(s)) {
            Press(Qt::Key_Space);  // the lead, as one click on the tile
            EXPECT_EQ(s.Arm[0][0].Tile, tile);
            ++plays;
            continue;
        }
        Press(Qt::Key_Space);
        ASSERT_EQ(s.SelectedTile, tile);
        for (int step = 0; step < kArmCount && app.Keys().ChosenArm() != play.arm; ++step) {
            Press(Qt::Key_Down);
        }
        ASSERT_EQ(app.Keys().ChosenArm(), play.arm);
        EXPECT_EQ(app.Table().ChosenEnd(), s.ArmDropRect[play.arm]);
        Press(plays % 2 == 0 ? Qt::Key_Return : Qt::Key_Space);
        EXPECT_FALSE(HumanHolds(tile));
        EXPECT_TRUE(app.Table().ChosenEnd().IsEmpty() || s.CurrentPlayer == 1);
        ++plays;
    }
    EXPECT_TRUE(HandOverShown(program.prompts));
    EXPECT_GE(plays, 2);
    EXPECT_FALSE(app.Ended());
    RecordProperty("draws", draws);
}

// With the tile picked up, the arrows step round exactly the ends it fits, in both directions;
// a number names an end by its arm and is taken only where the tile fits.
TEST_F(KeyboardPlay, TheArrowsAndNumbersChooseOnlyAmongTheEndsTheTileFits) {
    Press(Qt::Key_N, Qt::ControlModifier);
    FocusOn(0);
    Press(Qt::Key_Space);
    ASSERT_TRUE(PlayOnUntilATileFitsTwoEnds());
    const std::vector<int> arms = app.Keys().FittingArms();
    ASSERT_EQ(app.Keys().ChosenArm(), arms.front());

    std::vector<int> forward;
    for (size_t i = 0; i < arms.size(); ++i) {
        Press(Qt::Key_Right);
        forward.push_back(app.Keys().ChosenArm());
    }
    std::vector<int> expected(arms.begin() + 1, arms.end());
    expected.push_back(arms.front());
    EXPECT_EQ(forward, expected);
    Press(Qt::Key_Up);
    EXPECT_EQ(app.Keys().ChosenArm(), arms.back());
    Press(Qt::Key_Home);
    EXPECT_EQ(app.Keys().ChosenArm(), arms.front());
    Press(Qt::Key_End);
    EXPECT_EQ(app.Keys().ChosenArm(), arms.back());

    for (int arm = 0; arm < kArmCount; ++arm) {
        const int before = app.Keys().ChosenArm();
        Press(static_cast<Qt::Key>(Qt::Key_1 + arm));
        const bool fits = std::find(arms.begin(), arms.end(), arm) != arms.end();
        EXPECT_EQ(app.Keys().ChosenArm(), fits ? arm : before) << arm;
        // The chosen end is marked over the table and its play previewed in the status line.
        EXPECT_EQ(app.Table().ChosenEnd(), s.ArmDropRect[app.Keys().ChosenArm()]);
        EXPECT_TRUE(app.Human().Status().contains(QStringLiteral(" here scores "))) << arm;
    }

    // Escape puts the tile down; the arrows move over the hand again and no end is chosen.
    const int slot = app.Keys().FocusSlot();
    Press(Qt::Key_Escape);
    EXPECT_EQ(s.SelectedTile, kNoSelection);
    EXPECT_EQ(app.Keys().ChosenArm(), -1);
    EXPECT_TRUE(app.Table().ChosenEnd().IsEmpty());
    Press(Qt::Key_Home);
    EXPECT_EQ(app.Keys().FocusSlot(), 0);
    Press(Qt::Key_End);
    EXPECT_EQ(app.Keys().FocusSlot(), HandCount(s, 1) - 1);
    EXPECT_GT(HandCount(s, 1), slot);
}

// The focus and the chosen end are drawn over the windows' pictures, never into them, and go
// away as soon as the mouse is used.
TEST_F(KeyboardPlay, TheFocusAndTheChosenEndShowUntilTheMouseIsUsed) {
    Press(Qt::Key_N, Qt::ControlModifier);
    FocusOn(0);
    Press(Qt::Key_Space);  // the lead
    ASSERT_FALSE(TableIsEmpty(s));
    ASSERT_EQ(s.CurrentPlayer, 1);
    FocusOn(1);
    const Rect slot = app.Layout().HandSlotRect[1];
    const Canvas surface = app.Human().Hand().Surface().Pixels();
    QImage shown = app.Human().Hand().grab().toImage();
    EXPECT_EQ(shown.pixel(slot.left, slot.top + 20) & 0xFFFFFFu, kHandFocusDark);
    EXPECT_EQ(shown.pixel(slot.left + 1, slot.top + 20) & 0xFFFFFFu, kHandFocusLight);
    EXPECT_EQ(shown.pixel(slot.left + 2, slot.top + 20) & 0xFFFFFFu, kHandFocusLight);
    EXPECT_EQ(shown.pixel(slot.left + 3, slot.top + 20) & 0xFFFFFFu, kHandFocusDark);
    EXPECT_EQ(app.Human().Hand().Surface().Pixels().Pixels(), surface.Pixels());

    Press(Qt::Key_Space);
    if (app.Keys().ChosenArm() >= 0) {
        const Rect end = app.Table().ChosenEnd();
        app.Table().repaint();
        const Canvas& table = app.Table().Surface().Pixels();
        const int32_t ring = EndMarkRingWidth(app.Layout().ScaleFactor);
        const int32_t middle = end.top + (end.bottom - end.top) / 2;
        EXPECT_EQ(table.Pixel(end.left + 1, middle), kEndMarkBright);
        // The chosen end's own ring lies around it, clear of its pips.
        EXPECT_EQ(table.Pixel(end.left - 1, middle), kEndMarkBright);
        EXPECT_EQ(table.Pixel(end.left - ring - 1, middle), kEndMarkDark);
        EXPECT_NE(table.Pixel(end.left + 2 + ring, middle), kEndMarkBright);
    }

    QTest::mouseClick(&app.Human().Hand(), Qt::LeftButton, {}, Centre(slot));
    EXPECT_EQ(app.Human().HandKeysArea().FocusShownAt(), -1);
    EXPECT_TRUE(app.Table().ChosenEnd().IsEmpty());
    shown = app.Human().Hand().grab().toImage();
    // After a click on the table has made it the active window, its keys are the hand's.
    QTest::keyClick(&app.Table(), Qt::Key_Escape);
    ASSERT_EQ(s.SelectedTile, kNoSelection);
    QTest::keyClick(&app.Table(), Qt::Key_End);
    EXPECT_EQ(app.Human().HandKeysArea().FocusShownAt(), HandCount(s, 1) - 1);
    EXPECT_NE(shown.pixel(slot.left + 1, slot.top + 20) & 0xFFFFFFu, kHandFocusLight);
}

// Enter plays; it never ends the program, with or without a game.
TEST_F(KeyboardPlay, EnterPlaysAndNeverEndsTheProgram) {
    Press(Qt::Key_Return);
    Press(Qt::Key_Enter);
    EXPECT_FALSE(app.Ended());
    Press(Qt::Key_N, Qt::ControlModifier);
    const int32_t lead = s.Hand[1][0];
    FocusOn(0);
    Press(Qt::Key_Enter);
    EXPECT_EQ(s.Arm[0][0].Tile, lead);
    EXPECT_FALSE(app.Ended());
    EXPECT_TRUE(program.exitCodes.empty());
}

// The menu's keys keep working with the hand holding the focus: a hint picks the tile up and its
// end becomes the chosen one, and Undo takes a keyboard play back.
TEST_F(KeyboardPlay, HintAndUndoWorkFromTheHand) {
    Press(Qt::Key_N, Qt::ControlModifier);
    FocusOn(0);
    Press(Qt::Key_Space);
    ASSERT_EQ(s.CurrentPlayer, 1);
    const GameState before = s;
    Press(Qt::Key_H);
    if (s.SelectedTile != kNoSelection) {
        const Hint hint = HintForHuman(before, app.Layout());
        EXPECT_EQ(app.Keys().ChosenArm(), hint.arm);
        const int32_t tile = s.SelectedTile;
        Press(Qt::Key_Return);
        EXPECT_FALSE(HumanHolds(tile)) << s.SelectedTile << " " << tile << " " << hint.arm;
    } else {
        Press(Qt::Key_A, Qt::ControlModifier);
    }
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(std::memcmp(s.Hand, before.Hand, sizeof(s.Hand)), 0);
}

}  // namespace
}  // namespace pipwick
