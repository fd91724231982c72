#include "shell/windows/score_label.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QtTest/QTest>

#include "shell/windows/outer_geometry.h"
#include "tests/shell/shell_test_support.h"

namespace pipwick {
namespace {

// Names so wide that even a caption beside a close box alone is cut at 800 x 600.
const std::vector<std::string> kLongNames = {"nump=4", "pnm1=MMMMMMMMMMMMMM", "pnm2=mmmmmmmmmmmmmm",
                                             "pnm3=WWWWWWWWWWWWWW", "pnm4=MMMMMMMMMMMMMM"};

std::vector<const ScoreLabel*> Labels(Application& app) {
    return {&app.Human().Score(), &app.Opponent(2).Score(), &app.Opponent(3).Score(),
            &app.Opponent(4).Score()};
}

// The rows of a window's picture above a given row, where the tiles are.
QImage RowsAbove(QWidget& window, int row) {
    return window.grab().toImage().copy(0, 0, window.width(), row);
}

bool HasInk(const QImage& picture, QRgb background) {
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) != background) {
                return true;
            }
        }
    }
    return false;
}

// On the smallest screen no 14-letter name leaves room for the score in a caption: every window
// writes it under its tiles, and follows it as it changes.
TEST(ScoreInWindow, LongNamesOnTheSmallestScreenShowEveryScoreInItsWindow) {
    TestProgram program(kLongNames, {800, 600});
    Application& app = *program.app;
    app.Human().Action(Command::kNew).trigger();
    for (const ScoreLabel* label : Labels(app)) {
        EXPECT_TRUE(label->isVisible());
        EXPECT_EQ(label->Text(), "Score: 0");
        EXPECT_EQ(label->accessibleName(), "Score: 0");
    }
    app.State().Scores[1] = 135;
    app.State().Scores[3] = 240;
    app.View().ShowCaptions();
    EXPECT_EQ(app.Human().Score().Text(), "Score: 135");
    EXPECT_EQ(app.Opponent(2).Score().Text(), "Score: 0");
    EXPECT_EQ(app.Opponent(3).Score().Text(), "Score: 240");
    EXPECT_EQ(app.Opponent(3).windowTitle(), "240 - WWWWWWWWWWWWWW");
}

// The label lives in the strip under the slots: the windows keep their rectangles and the tiles
// are drawn as they were.
TEST(ScoreInWindow, TheLabelCoversNoTileAndMovesNoWindow) {
    TestProgram shortNames({"nump=4", "pnm3=Top"}, {800, 600});
    TestProgram longNames(kLongNames, {800, 600});
    for (TestProgram* program : {&shortNames, &longNames}) {
        program->app->Human().Action(Command::kNew).trigger();
    }
    OpponentWindow& plain = shortNames.app->Opponent(3);
    OpponentWindow& labelled = longNames.app->Opponent(3);
    ASSERT_FALSE(plain.Score().isVisible());
    ASSERT_TRUE(labelled.Score().isVisible());
    EXPECT_EQ(OuterRect(labelled), OuterRect(plain));
    EXPECT_EQ(OuterRect(labelled), OpponentWindowRect(2, {800, 600}, 1.0));

    const Geometry& geometry = longNames.app->Layout();
    const int tilesEnd = geometry.OpponentSlotRect[0].bottom;
    const QRect strip = labelled.Score().geometry();
    EXPECT_EQ(strip.top(), tilesEnd);
    EXPECT_EQ(strip.bottom(), labelled.height() - 1);
    EXPECT_GE(strip.height(), 6);
    EXPECT_EQ(RowsAbove(labelled, tilesEnd), RowsAbove(plain, tilesEnd));

    const QRgb background = 0xFF000000u | labelled.BackgroundColour();
    const QImage under = labelled.grab().toImage().copy(strip);
    EXPECT_TRUE(HasInk(under, background));
    // The letters stay off the row next to the tiles and off the window's bottom row.
    EXPECT_FALSE(HasInk(under.copy(0, 0, under.width(), 1), background));
    EXPECT_FALSE(HasInk(under.copy(0, under.height() - 1, under.width(), 1), background));
    EXPECT_FALSE(HasInk(plain.grab().toImage().copy(strip), background));
}

// Wide windows leave the caption room enough; a name alone after the preferences says nothing of
// the score but the window still knows it.
TEST(ScoreInWindow, CaptionsWithRoomShowNoLabel) {
    TestProgram program({"nump=4", "pnm3=Top"}, {1920, 1080});
    Application& app = *program.app;
    app.Human().Action(Command::kNew).trigger();
    for (const ScoreLabel* label : Labels(app)) {
        EXPECT_FALSE(label->isVisible()) << label->Text().toStdString();
        EXPECT_TRUE(label->accessibleName().isEmpty());
    }
    TestProgram narrow({"nump=4", "pnm3=Top"}, {800, 600});
    narrow.app->Human().Action(Command::kNew).trigger();
    EXPECT_FALSE(narrow.app->Opponent(3).Score().isVisible());
}

// A computer player's caption has a close box beside it and no more, the human's three boxes: in
// windows of the same width, the same caption fits beside the one and not beside the others.
TEST(ScoreInWindow, ACloseBoxAloneLeavesTheCaptionMoreRoom) {
    TestProgram program({"nump=4", "pnm1=Abcdefghij", "pnm3=Abcdefghij"}, {800, 600});
    Application& app = *program.app;
    app.Human().Action(Command::kNew).trigger();
    HumanWindow& human = app.Human();
    OpponentWindow& top = app.Opponent(3);
    ASSERT_EQ(human.frameGeometry().width(), top.frameGeometry().width());
    EXPECT_TRUE(human.Score().isVisible());
    EXPECT_FALSE(top.Score().isVisible());
}

// A caption cut only for want of a few pixels still counts as cut; widening the window as tiles are
// drawn gives the room back.
TEST(ScoreInWindow, TheRoomFollowsTheWindowsWidth) {
    TestProgram program({"nump=2", "pnm3=Abcdefghijklmn"}, {1024, 768});
    Application& app = *program.app;
    app.Human().Action(Command::kNew).trigger();
    OpponentWindow& top = app.Opponent(3);
    const int32_t captionWidth = CaptionWidth(top.windowTitle());
    const int32_t width = top.frameGeometry().width();
    EXPECT_EQ(top.Score().isVisible(), CaptionMayBeCut(captionWidth, width, CaptionBoxes::kClose));
    top.SetWidth(captionWidth + 40);
    EXPECT_TRUE(top.Score().isVisible());
    top.SetWidth(captionWidth + 200);
    EXPECT_FALSE(top.Score().isVisible());
}

}  // namespace
}  // namespace pipwick
