#include "shell/app/application.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QtTest/QTest>
#include <functional>

#include "shell/windows/outer_geometry.h"
#include "tests/shell/shell_test_support.h"
#include "tests/support/recording_clock.h"
#include "texts/texts.h"

namespace pipwick {
namespace {

TEST(StartUp, WithoutASettingsFileEverythingHasItsDefault) {
    TestProgram program;
    Application& app = *program.app;
    EXPECT_EQ(app.State().PlayerCount, 2);
    EXPECT_EQ(app.State().GameInProgress, 0);
    EXPECT_EQ(app.State().CurrentPlayer, 0);
    // Two players: only the top window of player 3 is shown.
    EXPECT_TRUE(app.Table().isVisible());
    EXPECT_TRUE(app.Human().isVisible());
    EXPECT_FALSE(app.Opponent(2).isVisible());
    EXPECT_TRUE(app.Opponent(3).isVisible());
    EXPECT_FALSE(app.Opponent(4).isVisible());
    EXPECT_EQ(app.Human().windowTitle(), "Player");
    EXPECT_EQ(app.Opponent(2).windowTitle(), "Lefty");
    EXPECT_EQ(app.Opponent(3).windowTitle(), "TopGun");
    EXPECT_EQ(app.Opponent(4).windowTitle(), "RightStuff");
    EXPECT_TRUE(app.Human().Action(Command::kTwoPlayers).isChecked());
    EXPECT_FALSE(app.Human().Action(Command::kThreePlayers).isChecked());
    EXPECT_TRUE(app.GamePathToOpen().isEmpty());
}

TEST(StartUp, A1024By768ScreenGivesTheMediumTableInTheMiddle) {
    const ScreenSize screen = PrimaryScreenSize();
    EXPECT_EQ(screen.width, 1024);
    EXPECT_EQ(screen.height, 768);
    TestProgram program({}, screen);
    Application& app = *program.app;
    EXPECT_EQ(app.Layout().ScaleFactor, 1.5);
    EXPECT_EQ(app.Layout().SizeClass, 1);
    EXPECT_EQ(app.Layout().TableRect, (Rect{32, 24, 992, 744}));
    EXPECT_EQ(ToRect(app.Table().geometry()), app.Layout().TableRect);
    EXPECT_TRUE(app.Table().windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(app.Table().windowFlags() & Qt::WindowStaysOnTopHint);
    // The windows are where the placement rules put them (this screen has no window frames).
    EXPECT_EQ(OuterRect(app.Human()), HumanWindowRect(screen, 1.5));
    EXPECT_EQ(OuterRect(app.Opponent(3)), OpponentWindowRect(2, screen, 1.5));
    EXPECT_EQ(app.Table().Surface().Pixels().Width(), 960);
    EXPECT_EQ(app.Table().Surface().Pixels().Pixel(500, 300), 0x008080u);
}

TEST(StartUp, ATableSizeTheScreenCannotHoldIsWrittenBackAsAuto) {
    TestProgram medium({"tblsz=3"}, {1024, 768});
    EXPECT_EQ(medium.app->Layout().ScaleFactor, 1.0);
    EXPECT_EQ(medium.settings.Read("tblsz"), "0");
    EXPECT_EQ(medium.app->Preferences().TableSizeSetting, 0);

    TestProgram large({"tblsz=3"}, {1920, 1080});
    EXPECT_EQ(large.app->Layout().ScaleFactor, 2.0);
    EXPECT_EQ(large.settings.Read("tblsz"), "3");

    // On the smallest screens every size above Small is rewritten, even one the game does not
    // know; elsewhere an unknown size gives the small table and stays in the file.
    TestProgram narrow({"tblsz=9"}, {800, 600});
    EXPECT_EQ(narrow.settings.Read("tblsz"), "0");
    TestProgram unknown({"tblsz=9"}, {1024, 768});
    EXPECT_EQ(unknown.app->Layout().ScaleFactor, 1.0);
    EXPECT_EQ(unknown.settings.Read("tblsz"), "9");
}

TEST(StartUp, CorrectedNamesAndCountsAreWhatTheWindowsShow) {
    TestProgram program({"pnm2=Abcdefghijklmnopqrst", "nump=3", "speed=11"});
    Application& app = *program.app;
    EXPECT_EQ(app.Opponent(2).windowTitle(), "Abcdefghijklmn");
    EXPECT_EQ(app.Preferences().Speed, 5);
    EXPECT_TRUE(app.Opponent(2).isVisible());
    EXPECT_FALSE(app.Opponent(4).isVisible());
    EXPECT_TRUE(app.Human().Action(Command::kThreePlayers).isChecked());
    EXPECT_FALSE(app.Human().Action(Command::kTwoPlayers).isChecked());
}

// A wrapped menu bar takes the hand's room: half a second after it was placed, the human's window
// grows and moves up to stay 10 pixels above the screen's bottom. (How frames take room is
// checked on a real desktop.)
TEST(StartUp, TheHumansWindowGrowsOnceWhenTheMenuBarTookTheHandsRoom) {
    TestProgram program;
    Application& app = *program.app;
    const Rect placed = OuterRect(app.Human());
    app.Human().menuBar()->setFixedHeight(60);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !app.Human().HeightCheckTimer().isActive(); }));
    EXPECT_EQ(app.Human().Hand().height(), Scaled(62, 1.5));
    EXPECT_EQ(OuterRect(app.Human()).bottom, 768 - 10);
    EXPECT_LT(OuterRect(app.Human()).top, placed.top);
    EXPECT_EQ(OuterRect(app.Human()).left, placed.left);
    EXPECT_EQ(OuterRect(app.Human()).right, placed.right);
    EXPECT_EQ(OuterRect(app.Opponent(3)), OpponentWindowRect(2, {1024, 768}, 1.5));
}

TEST(Menu, EveryItemHasItsTextCommandAndKeys) {
    TestProgram program;
    HumanWindow& human = program.app->Human();
    for (const MenuItem& item : kMenuItems) {
        QAction& action = human.Action(item.command);
        EXPECT_EQ(action.text(), QString::fromLatin1(item.text));
        EXPECT_EQ(action.data().toInt(), static_cast<int>(item.command));
        EXPECT_EQ(action.shortcut(), QKeySequence(QString::fromLatin1(item.keys)));
        // Undo is greyed until there is a move to take back, Resume Last Game while no game is
        // kept, Save, Hint and Draw/Pass until a game is dealt.
        const bool greyed = item.command == Command::kUndo ||
                            item.command == Command::kResumeLastGame ||
                            item.command == Command::kSave || item.command == Command::kHint ||
                            item.command == Command::kDrawPass;
        EXPECT_EQ(action.isEnabled(), !greyed) << item.text;
    }
    // The places other code counts on: Options is the Game menu's fourth item, its player items
    // are at positions 2 to 4, and Draw/Pass is the bar's third item.
    const QList<QAction*> bar = human.menuBar()->actions();
    ASSERT_EQ(bar.size(), 3);
    EXPECT_EQ(bar[0]->text(), "&Game");
    EXPECT_EQ(bar[1]->text(), "&Help");
    EXPECT_EQ(bar[2], &human.Action(Command::kDrawPass));
    QMenu* options = bar[0]->menu()->actions()[3]->menu();
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->title(), "&Options");
    EXPECT_EQ(options->actions()[2], &human.Action(Command::kTwoPlayers));
    EXPECT_EQ(options->actions()[4], &human.Action(Command::kFourPlayers));
}

TEST(Announce, SetsEveryCaptionAndTheStatusLine) {
    TestProgram program({"pnm1=Ann"});
    Application& app = *program.app;
    app.State().Scores[1] = 35;
    app.State().Scores[3] = 120;
    app.View().Announce({AnnouncementKind::kShuffling});
    EXPECT_EQ(app.Human().windowTitle(), "35 - Ann");
    EXPECT_EQ(app.Opponent(2).windowTitle(), "0 - Lefty");
    EXPECT_EQ(app.Opponent(3).windowTitle(), "120 - TopGun");
    EXPECT_EQ(app.Human().Status(), "Shuffling...");
    app.View().Announce({AnnouncementKind::kScores, 3, 0, 15});
    EXPECT_EQ(app.Human().Status(), "TopGun scores 15");
    app.View().Announce({AnnouncementKind::kHumanPassed, 1, 2});
    EXPECT_EQ(app.Human().Status(), "Ann passed.  Lefty's turn");
    app.View().ShowStatus("50%d off %s");
    EXPECT_EQ(app.Human().Status(), "50%d off %s");
}

TEST(Announce, TheStatusLineTakesOnlyWhatFitsItWhole) {
    for (const ScreenSize screen : {ScreenSize{800, 600}, ScreenSize{1024, 768}}) {
        TestProgram program({}, screen);
        const HumanWindow& human = program.app->Human();
        EXPECT_TRUE(human.StatusFits(QStringLiteral("Shuffling...")));
        EXPECT_FALSE(human.StatusFits(QString::fromLatin1(text::kStatisticsSetAside)));
    }
}

TEST(Announce, NewGameShowsWhoIsDownAndTheDrawPassLabel) {
    TestProgram two;
    two.app->Human().Action(Command::kNew).trigger();
    EXPECT_EQ(two.app->State().GameInProgress, 1);
    EXPECT_EQ(two.app->Human().Status(), "Player's down");
    EXPECT_EQ(two.app->Human().windowTitle(), "0 - Player");
    EXPECT_EQ(two.app->Human().Action(Command::kDrawPass).text(), "Dr&aw");
    // With four players the whole set is dealt: nothing to draw from the start.
    TestProgram four({"nump=4"});
    four.app->Human().Action(Command::kNew).trigger();
    EXPECT_EQ(four.app->Human().Action(Command::kDrawPass).text(), "P&ass");
    EXPECT_TRUE(four.app->Opponent(4).isVisible());
}

// A newcomer's first minutes: what the status line says and which commands can act at each step.
TEST(Newcomer, TheStatusLineAndTheCommandsLeadThroughTheFirstGame) {
    TestProgram program({"sound=0", "delay=0"});
    Application& app = *program.app;
    HumanWindow& human = app.Human();
    const QTemporaryDir folder;
    program.prompts.chosenFile = QDir(folder.path()).filePath(QStringLiteral("first.dom"));
    const auto play = [&app] {
        int slot = 0;
        int arm = 0;
        ASSERT_TRUE(FindHumanPlay(app, slot, arm));
        app.HandSlotClicked(slot);
        ClickTable(app, Centre(app.State().ArmDropRect[arm]));
    };
    const struct {
        const char* step;
        std::function<void()> act;
        QString status;  // empty: any but the one before
        bool canAct;     // Save, Hint and Draw/Pass
    } steps[] = {
        {"first start", [] {}, QStringLiteral("Game \u25B8 New deals"), false},
        {"new", [&human] { human.Action(Command::kNew).trigger(); },
         QStringLiteral("Player's down"), true},
        {"lead", [&app] { app.HandSlotClicked(0); }, QStringLiteral("Player's turn"), true},
        {"hint", [&human] { human.Action(Command::kHint).trigger(); }, QString(), true},
        {"play", play, QStringLiteral("Player's turn"), true},
        {"save", [&human] { human.Action(Command::kSave).trigger(); }, QStringLiteral("Game saved"),
         true},
    };
    QString before;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.step);
        step.act();
        if (step.status.isEmpty()) {
            EXPECT_NE(human.Status(), before);
        } else {
            EXPECT_EQ(human.Status(), step.status);
        }
        EXPECT_EQ(human.News(), human.Status());
        for (const Command command : {Command::kSave, Command::kHint, Command::kDrawPass}) {
            EXPECT_EQ(human.Action(command).isEnabled(), step.canAct) << static_cast<int>(command);
        }
        before = human.Status();
    }
    EXPECT_TRUE(program.prompts.warnings.empty());
    EXPECT_TRUE(QFile::exists(program.prompts.chosenFile));
}

TEST(PlayerCount, AnsweringNoKeepsTheGameAndTheCheckMark) {
    TestProgram program;
    Application& app = *program.app;
    app.Human().Action(Command::kNew).trigger();
    app.State().Scores[3] = 40;
    program.prompts.answer = false;
    app.Human().Action(Command::kThreePlayers).trigger();
    ASSERT_EQ(program.prompts.questions.size(), 1u);
    EXPECT_EQ(program.prompts.questions[0],
              "Changing the number of players requires starting a new game.\nStart a new game?");
    EXPECT_EQ(app.State().PlayerCount, 2);
    EXPECT_EQ(app.State().Scores[3], 40);
    EXPECT_TRUE(app.Human().Action(Command::kTwoPlayers).isChecked());
    EXPECT_FALSE(app.Human().Action(Command::kThreePlayers).isChecked());
    EXPECT_FALSE(app.Opponent(2).isVisible());
    EXPECT_EQ(program.settings.Read("nump"), "");
}

TEST(PlayerCount, AnsweringYesStartsANewGameWithTheNewCount) {
    TestProgram program;
    Application& app = *program.app;
    app.Human().Action(Command::kNew).trigger();
    app.State().Scores[3] = 40;
    app.Human().Action(Command::kFourPlayers).trigger();
    EXPECT_EQ(program.prompts.questions.size(), 1u);
    EXPECT_EQ(app.State().PlayerCount, 4);
    EXPECT_EQ(app.State().Scores[3], 0);
    EXPECT_EQ(app.State().GameInProgress, 1);
    EXPECT_TRUE(app.Human().Action(Command::kFourPlayers).isChecked());
    EXPECT_FALSE(app.Human().Action(Command::kTwoPlayers).isChecked());
    EXPECT_TRUE(app.Opponent(2).isVisible());
    EXPECT_TRUE(app.Opponent(4).isVisible());
    EXPECT_EQ(program.settings.Read("nump"), "4");
    // The same count again changes nothing and asks nothing.
    app.Human().Action(Command::kFourPlayers).trigger();
    EXPECT_EQ(program.prompts.questions.size(), 1u);
    EXPECT_TRUE(app.Human().Action(Command::kFourPlayers).isChecked());
}

TEST(PlayerCount, WithNoGameRunningTheCountChangesWithoutAQuestion) {
    TestProgram program({"nump=4"});
    Application& app = *program.app;
    app.Human().Action(Command::kTwoPlayers).trigger();
    EXPECT_TRUE(program.prompts.questions.empty());
    EXPECT_EQ(app.State().PlayerCount, 2);
    EXPECT_EQ(app.State().GameInProgress, 0);
    EXPECT_FALSE(app.Opponent(2).isVisible());
    EXPECT_FALSE(app.Opponent(4).isVisible());
    EXPECT_EQ(program.settings.Read("nump"), "2");
}

TEST(Ending, ExitAndTheCloseBoxEndTheProgramButEnterDoesNot) {
    TestProgram keys;
    QTest::keyClick(&keys.app->Human(), Qt::Key_Return);
    QTest::keyClick(&keys.app->Human(), Qt::Key_Enter);
    EXPECT_FALSE(keys.app->Ended());

    TestProgram exit;
    exit.app->Human().Action(Command::kExit).trigger();
    EXPECT_TRUE(exit.app->Ended());
    EXPECT_EQ(exit.exitCodes, std::vector<int>{0});
    EXPECT_FALSE(exit.app->Table().isVisible());

    TestProgram closeBox;
    closeBox.app->Human().close();
    EXPECT_TRUE(closeBox.app->Ended());
    EXPECT_EQ(closeBox.exitCodes, std::vector<int>{0});
}

// The windows go with the table and come back with it, as they were; nobody brings them back
// but the player.
TEST(Ending, MinimisingTheHumansWindowMinimisesTheTableAndRestoringItBringsAllBack) {
    TestProgram program({"nump=3"});
    Application& app = *program.app;
    app.NewGame();
    const QString status = app.Human().Status();
    const QRect humanPlace = app.Human().frameGeometry();
    app.Human().showMinimized();
    EXPECT_TRUE(app.Table().isMinimized());
    EXPECT_TRUE(app.Human().isMinimized());
    EXPECT_TRUE(app.Opponent(2).isMinimized());
    EXPECT_TRUE(app.Opponent(3).isMinimized());
    EXPECT_FALSE(app.Ended());

    app.Table().showNormal();
    EXPECT_FALSE(app.Human().isMinimized());
    for (const int player : {2, 3}) {
        EXPECT_FALSE(app.Opponent(player).isMinimized()) << player;
        EXPECT_TRUE(app.Opponent(player).isVisible()) << player;
    }
    EXPECT_FALSE(app.Opponent(4).isVisible());
    EXPECT_EQ(app.Human().frameGeometry(), humanPlace);
    EXPECT_EQ(app.Human().Status(), status);
    EXPECT_EQ(app.State().GameInProgress, 1);
}

// Time that passes at once, as a recording clock's does; inside each wait onWait runs, as a click
// arrives during a real pause.
class InterruptedClock : public RecordingClock {
  public:
    std::function<void()> onWait;

    void WaitUntil(uint32_t deadline) override {
        RecordingClock::WaitUntil(deadline);
        if (onWait) {
            onWait();
        }
    }
};

TEST(Ending, ACloseDuringTheComputersMovesWaitsUntilTheyAreDone) {
    InterruptedClock clock;
    TestProgram program({"delay=1", "sound=0"}, {1024, 768}, &clock);
    Application& app = *program.app;
    app.Human().Action(Command::kNew).trigger();
    bool closed = false;
    bool endedAtClose = true;
    int playerAtClose = 0;
    // The close arrives during player 3's one-second pause.
    clock.onWait = [&] {
        if (closed || clock.waits.back() != 1000) {
            return;
        }
        closed = true;
        app.Human().close();
        endedAtClose = app.Ended();
        playerAtClose = app.State().CurrentPlayer;
    };
    ClickHandSlot(app, 0);
    ASSERT_TRUE(closed);
    EXPECT_FALSE(endedAtClose);
    EXPECT_EQ(playerAtClose, 3);
    EXPECT_EQ(app.State().CurrentPlayer, 1);
    EXPECT_TRUE(app.Ended());
    EXPECT_EQ(program.exitCodes, std::vector<int>{0});
}

// Every pixel of the table window comes from the table picture, which the first paint builds
// from the chosen domino set.
TEST(Surfaces, TheTableWindowShowsTheTablePicture) {
    TestProgram program;
    TableWindow& table = program.app->Table();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
    table.repaint();
    ASSERT_TRUE(program.app->Pictures().Loaded());
    EXPECT_TRUE(program.prompts.warnings.empty());
    program.app->NewGame();
    program.app->HandSlotClicked(0);
    const GameState& state = program.app->State();
    ASSERT_FALSE(TableIsEmpty(state));
    const Canvas& picture = program.app->Pictures().Table().canvas;
    const int32_t pictureLeft = Scaled(44, program.app->Layout().ScaleFactor);
    table.repaint();
    const QImage shown = table.grab().toImage();
    int tilePixels = 0;
    for (int32_t y = 0; y < shown.height(); y += 3) {
        for (int32_t x = 0; x < shown.width(); x += 3) {
            const uint32_t colour = picture.Pixel(pictureLeft + x, y);
            ASSERT_EQ(shown.pixel(x, y) & 0xFFFFFF, colour) << x << "," << y;
            tilePixels += colour != program.app->Pictures().Table().backgroundColor;
        }
    }
    EXPECT_GT(tilePixels, 0);
    // After a change of domino set the table window draws everything again, once, half a second
    // later: the tiles stay where they were.
    const Canvas before = picture;
    table.ReloadSoon();
    EXPECT_TRUE(table.ReloadTimer().isSingleShot());
    EXPECT_EQ(table.ReloadTimer().interval(), 500);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !table.ReloadTimer().isActive(); }));
    for (int32_t y = 0; y < picture.Height(); y += 2) {
        for (int32_t x = pictureLeft; x < picture.Width(); x += 2) {
            ASSERT_EQ(picture.Pixel(x, y), before.Pixel(x, y)) << x << "," << y;
        }
    }
    // A player window's surface follows the window's size and keeps the button face colour.
    HumanWindow& human = program.app->Human();
    human.SetWidth(400);
    const WindowSurface& hand = human.Hand().Surface();
    EXPECT_EQ(hand.Pixels().Width(), human.Hand().width());
    EXPECT_FALSE(hand.IsTableWindow());
    EXPECT_EQ(hand.Pixels().Pixel(390, 40), human.Hand().BackgroundColour());
}

}  // namespace
}  // namespace pipwick
