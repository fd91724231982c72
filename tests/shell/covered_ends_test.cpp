// Ends that a player window hides are shown above it while a tile that fits them is held, and a
// click there plays, found in whole seeded games played through the windows.
#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QImage>
#include <QtTest/QTest>

#include "ai/computer_player.h"
#include "engine/trial_play.h"
#include "table/end_marks.h"
#include "tests/shell/shell_test_support.h"

namespace pipwick {
namespace {

// A moment of the human's turn where the tile in slot fits arm, whose end a player window hides.
struct Covered {
    int slot = -1;
    int arm = -1;
    QWidget* window = nullptr;
};

QRect EndOnScreen(Application& app, int arm) {
    const Rect& end = app.State().ArmDropRect[arm];
    return {app.Table().mapToGlobal(QPoint(end.left, end.top)),
            QSize(end.right - end.left, end.bottom - end.top)};
}

QWidget* CoveringWindow(Application& app, const QRect& area) {
    QWidget* windows[] = {&app.Human(), &app.Opponent(2), &app.Opponent(3), &app.Opponent(4)};
    for (QWidget* window : windows) {
        if (window->isVisible() && window->frameGeometry().intersects(area)) {
            return window;
        }
    }
    return nullptr;
}

Covered FindCoveredPlay(Application& app) {
    const GameState& s = app.State();
    for (int slot = 0; slot < HandCount(s, 1); ++slot) {
        for (int arm = 0; arm < kArmCount; ++arm) {
            if (s.ArmDropRect[arm].IsEmpty() ||
                !TryHumanPlay(s, app.Layout(), s.Hand[1][slot], arm).accepted) {
                continue;
            }
            if (QWidget* window = CoveringWindow(app, EndOnScreen(app, arm))) {
                return {slot, arm, window};
            }
        }
    }
    return {};
}

bool ShowsTheMark(const QWidget& marker) {
    const QImage picture = const_cast<QWidget&>(marker).grab().toImage();
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if ((picture.pixel(x, y) & 0xFFFFFFu) == kEndMarkBright) {
                return true;
            }
        }
    }
    return false;
}

// With the marks on and off: each covered end the held tile fits shows above its window, exactly
// where the end lies or just above the window where it would hide the caption, tells what the
// play scores under the pointer, goes when the tile is put down, and plays with one click.
TEST(CoveredEnds, AreShownAboveTheirWindowAndPlayWithOneClick) {
    for (const char* marks : {"marks=1", "marks=0"}) {
        SCOPED_TRACE(marks);
        TestProgram program({"sound=0", "delay=0", "nump=4", marks});
        Application& app = *program.app;
        const GameState& s = app.State();
        int playedUnderHuman = 0;
        int playedUnderOpponent = 0;
        app.Human().Action(Command::kNew).trigger();
        for (int moves = 0; moves < 4000 && (playedUnderHuman == 0 || playedUnderOpponent == 0);
             ++moves) {
            if (s.GameInProgress != 1) {
                app.Human().Action(Command::kNew).trigger();
                continue;
            }
            ASSERT_EQ(s.CurrentPlayer, 1);
            const Covered covered = TableIsEmpty(s) ? Covered{} : FindCoveredPlay(app);
            if (covered.slot < 0) {
                MakeHumanPlay(app.CurrentGame(), ChooseComputerPlay(s, s.Hand[1], Level::Advanced));
                continue;
            }
            ClickHandSlot(app, covered.slot);
            const CoveredEndMarker& marker = app.Aids().Covered().Marker(covered.arm);
            ASSERT_TRUE(marker.isVisible());
            EXPECT_EQ(marker.Owner(), covered.window);
            // Where the end lies, or just above the window where that would hide its caption.
            const QRect end = EndOnScreen(app, covered.arm);
            const QRect frame = covered.window->frameGeometry();
            const QRect caption(frame.topLeft(),
                                QPoint(frame.right(), covered.window->geometry().top() - 1));
            EXPECT_TRUE(marker.geometry() == end ||
                        (end.intersects(caption) &&
                         marker.geometry() == end.translated(0, frame.top() - 1 - end.bottom())));
            EXPECT_FALSE(marker.geometry().intersects(caption));
            EXPECT_TRUE(ShowsTheMark(marker));
            // The pointer over it tells what the play scores, as over the end itself.
            auto* shown = const_cast<CoveredEndMarker*>(&marker);
            const QString status = app.Human().Status();
            QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), shown->mapToGlobal(QPointF(1, 1)));
            QCoreApplication::sendEvent(shown, &enter);
            EXPECT_TRUE(app.Human().Status().contains(QStringLiteral(" here scores")))
                << app.Human().Status().toStdString();
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(shown, &leave);
            EXPECT_EQ(app.Human().Status(), status);

            PressKey(app, Qt::Key_Escape);
            EXPECT_FALSE(marker.isVisible());

            ClickHandSlot(app, covered.slot);
            ASSERT_TRUE(marker.isVisible());
            const int32_t tile = s.SelectedTile;
            const size_t hands = app.Records().Sheet().Rows().size();
            QTest::mouseClick(const_cast<CoveredEndMarker*>(&marker), Qt::LeftButton, {},
                              QPoint(marker.width() / 2, marker.height() / 2));
            // A last tile ends the hand, and the next deal clears the table.
            const bool handOver =
                s.GameInProgress != 1 || app.Records().Sheet().Rows().size() != hands;
            EXPECT_TRUE(handOver || IsOnTable(s, tile));
            EXPECT_FALSE(marker.isVisible());
            ++(covered.window == &app.Human() ? playedUnderHuman : playedUnderOpponent);
        }
        EXPECT_GT(playedUnderHuman, 0);
        EXPECT_GT(playedUnderOpponent, 0);
        EXPECT_TRUE(program.prompts.warnings.empty());
    }
}

}  // namespace
}  // namespace pipwick
