// The score sheet, the statistics and the game kept at the end of the program, through the
// program's own commands and windows.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMetaObject>
#include <QTemporaryDir>
#include <cstring>

#include "ai/computer_player.h"
#include "engine/game.h"
#include "shell/windows/statistics_window.h"
#include "tests/shell/shell_test_support.h"
#include "texts/texts.h"

namespace pipwick {
namespace {

const std::vector<std::string> kQuick = {"sound=0", "delay=0"};

// The human's seat plays as an Advanced computer player would, a click at a time.
void PlayToTheEnd(TestProgram& program) {
    Application& app = *program.app;
    const GameState& s = app.State();
    for (int moves = 0; s.GameInProgress == 1 && moves < 5000; ++moves) {
        ASSERT_EQ(s.CurrentPlayer, 1);
        MakeHumanPlay(app.CurrentGame(), ChooseComputerPlay(s, s.Hand[1], Level::Advanced));
    }
    ASSERT_EQ(s.GameInProgress, 0);
}

QString FileIn(const QTemporaryDir& folder, const char* name) {
    return QDir(folder.path()).filePath(QLatin1String(name));
}

std::optional<Statistics> StatisticsOnDisk(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return StatisticsFromJson(file.readAll());
}

TEST(KeptGame, AGameUnderWayAtExitResumesAsItWasLeft) {
    QTemporaryDir data;
    GameState atQuit;
    {
        TestProgram first(kQuick, {1024, 768}, nullptr, {}, data.path());
        EXPECT_FALSE(first.app->Human().Action(Command::kResumeLastGame).isEnabled());
        PlaySome(first);
        atQuit = first.app->State();
        first.app->Human().Action(Command::kExit).trigger();
        ASSERT_EQ(first.exitCodes, std::vector<int>{0});
        EXPECT_TRUE(first.prompts.warnings.empty());
    }
    ASSERT_TRUE(QFile::exists(FileIn(data, "last-game.dom")));

    // Start-up itself opens nothing; the player resumes when he wants to.
    TestProgram second(kQuick, {1024, 768}, nullptr, {}, data.path());
    EXPECT_EQ(second.app->State().GameInProgress, 0);
    QAction& resume = second.app->Human().Action(Command::kResumeLastGame);
    ASSERT_TRUE(resume.isEnabled());
    EXPECT_TRUE(second.app->Records().StatisticsStore().Counts().keptGame);
    resume.trigger();
    const GameState resumed = second.app->State();
    // What was seen happen in the hand is not kept in a game file: the resumed hand starts with
    // no history, and everything else is as it was left.
    EXPECT_EQ(resumed.History.Count, 0);
    GameState expected = atQuit;
    expected.History = resumed.History;
    EXPECT_EQ(std::memcmp(&resumed, &expected, sizeof(GameState)), 0);
    EXPECT_EQ(second.app->Human().Status(), QString::fromLatin1(text::kGameResumed));
    EXPECT_FALSE(QFile::exists(FileIn(data, "last-game.dom")));
    EXPECT_FALSE(resume.isEnabled());
    EXPECT_FALSE(second.app->Records().StatisticsStore().Counts().keptGame);
    EXPECT_EQ(Total(second.app->Records().StatisticsStore().Counts()).abandoned, 0);
    // The game goes on from there.
    second.app->HandSlotClicked(0);
    EXPECT_TRUE(second.prompts.warnings.empty());
}

TEST(KeptGame, AQuitFromTheDesktopKeepsItAndANewGameGivesItUp) {
    TestProgram program(kQuick);
    const QString kept = FileIn(program.data, "last-game.dom");
    PlaySome(program);
    // What the application says as the desktop ends it.
    ASSERT_TRUE(QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit"));
    ASSERT_TRUE(QFile::exists(kept));
    Statistics& counts = program.app->Records().StatisticsStore().Counts();
    EXPECT_TRUE(counts.keptGame);

    program.app->NewGame();
    EXPECT_FALSE(QFile::exists(kept));
    EXPECT_FALSE(program.app->Human().Action(Command::kResumeLastGame).isEnabled());
    EXPECT_EQ(counts.byPlayers[0].abandoned, 1);
    const std::optional<Statistics> onDisk =
        StatisticsOnDisk(program.app->Records().StatisticsStore().Path());
    ASSERT_TRUE(onDisk.has_value());
    EXPECT_EQ(*onDisk, counts);
}

// Two copies of the game over one data folder, each with a game under way: the copy that ends
// second asks before its game takes the place of the first one's, and keeps the first one's when
// the player says no; a new game in the second copy leaves the first one's game alone too.
TEST(KeptGame, AnotherCopysKeptGameIsReplacedOnlyWhenThePlayerSaysSo) {
    for (const bool replace : {false, true}) {
        SCOPED_TRACE(replace);
        QTemporaryDir data;
        const QString kept = FileIn(data, "last-game.dom");
        TestProgram first(kQuick, {1024, 768}, nullptr, {}, data.path());
        TestProgram second(kQuick, {1024, 768}, nullptr, {}, data.path());
        PlaySome(first);
        PlaySome(second);
        first.app->Human().Action(Command::kExit).trigger();
        QFile file(kept);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray firstGame = file.readAll();
        file.close();

        second.app->NewGame();
        ASSERT_TRUE(QFile::exists(kept));
        second.app->HandSlotClicked(0);
        second.prompts.answer = replace;
        second.app->Human().Action(Command::kExit).trigger();
        ASSERT_FALSE(second.prompts.questions.empty());
        EXPECT_EQ(second.prompts.questions.back(),
                  QString::fromLatin1(text::kReplaceOthersLastGame));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll() == firstGame, !replace);
        EXPECT_TRUE(second.prompts.warnings.empty());
    }
}

TEST(KeptGame, AFileThatCannotBeOpenedStaysForLater) {
    TestProgram program(kQuick);
    const QString kept = FileIn(program.data, "last-game.dom");
    QFile file(kept);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(461, '\0'));
    file.close();
    TestProgram again(kQuick, {1024, 768}, nullptr, {}, program.data.path());
    again.app->Human().Action(Command::kResumeLastGame).trigger();
    EXPECT_EQ(again.prompts.warnings,
              std::vector<QString>{QString::fromLatin1(text::kCantOpenGame)});
    EXPECT_EQ(QFile(kept).size(), 461);
    EXPECT_EQ(again.app->State().GameInProgress, 0);
}

// A game where nothing scores during play has no last play to show; Escape and Enter close the
// sheet as they close a dialog.
TEST(GameRecords, TheSheetShowsTheLastPlayOnlyWhereItScoresAndClosesOnEscapeOrEnter) {
    const struct {
        const char* game;
        QStringList headers;
    } cases[] = {
        {"game=0", {"Hand", "Won by", "Last play", "Pips", "Player", "TopGun"}},
        {"game=1", {"Hand", "Won by", "Pips", "Player", "TopGun"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.game);
        TestProgram program({"sound=0", "delay=0", c.game});
        PlaySome(program);
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
            program.app->Human().Action(Command::kScoreSheet).trigger();
            ScoreSheetWindow* window = program.app->Records().SheetWindow();
            ASSERT_NE(window, nullptr);
            const QTableWidget& table = window->Table();
            QStringList headers;
            for (int column = 0; column < table.columnCount(); ++column) {
                headers << table.horizontalHeaderItem(column)->text();
            }
            EXPECT_EQ(headers, c.headers);
            EXPECT_FALSE(table.horizontalHeader()->stretchLastSection());
            ASSERT_TRUE(window->isVisible());
            QTest::keyClick(const_cast<QTableWidget*>(&table), key);
            EXPECT_FALSE(window->isVisible()) << key;
        }
    }
}

TEST(GameRecords, AFinishedGameIsOnTheSheetInTheStatisticsAndEndsTheKeptGame) {
    QTemporaryDir data;
    const QString other = FileIn(data, "other.dom");
    {
        TestProgram first(kQuick, {1024, 768}, nullptr, {}, data.path());
        PlaySome(first);
        ASSERT_TRUE(first.app->Files().Write(other));
        first.app->Close();
    }
    TestProgram program(kQuick, {1024, 768}, nullptr, {}, data.path());
    Application& app = *program.app;
    ASSERT_TRUE(app.OpenGameFile(other, true));
    app.Human().Action(Command::kScoreSheet).trigger();
    ScoreSheetWindow* window = app.Records().SheetWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    // The opened game's scores come first, then its hand in play.
    const GameState opened = app.State();
    ASSERT_EQ(window->Table().rowCount(), 2);
    EXPECT_EQ(window->Table().item(0, 1)->text(), QString::fromLatin1(text::kSheetCarriedOver));
    EXPECT_EQ(window->Table().item(0, 4)->text(), QString::number(opened.Scores[1]));
    EXPECT_EQ(window->Table().item(0, 5)->text(), QString::number(opened.Scores[3]));

    PlayToTheEnd(program);
    // The kept game was not resumed and is given up once another game is over.
    EXPECT_FALSE(QFile::exists(FileIn(data, "last-game.dom")));
    const Statistics& counts = app.Records().StatisticsStore().Counts();
    EXPECT_EQ(Total(counts).Played(), 1);
    EXPECT_EQ(Total(counts).abandoned, 1);
    EXPECT_EQ(counts.byPlayers[0].Played(), 1);
    EXPECT_EQ(counts.bestFinalScore, app.State().Scores[1]);
    const std::optional<Statistics> onDisk =
        StatisticsOnDisk(app.Records().StatisticsStore().Path());
    ASSERT_TRUE(onDisk.has_value());
    EXPECT_EQ(*onDisk, counts);

    // The sheet followed the game and is still open at its end.
    EXPECT_TRUE(window->isVisible());
    const std::vector<SheetRow>& rows = app.Records().Sheet().Rows();
    ASSERT_GT(rows.size(), 1u);
    const QTableWidget& table = window->Table();
    ASSERT_EQ(table.rowCount(), 1 + static_cast<int>(rows.size()));
    ASSERT_EQ(table.columnCount(), 6);
    EXPECT_EQ(table.horizontalHeaderItem(4)->text(), QStringLiteral("Player"));
    EXPECT_EQ(table.horizontalHeaderItem(5)->text(), QStringLiteral("TopGun"));
    for (int hand = 0; hand < static_cast<int>(rows.size()); ++hand) {
        const int row = hand + 1;
        EXPECT_EQ(table.item(row, 0)->text(), QString::number(hand + 1));
        EXPECT_EQ(table.item(row, 3)->text(), QString::number(rows[hand].pipsAwarded));
        EXPECT_EQ(table.item(row, 5)->text(), QString::number(rows[hand].scores[3]));
    }
    EXPECT_EQ(table.item(table.rowCount() - 1, 4)->text(), QString::number(app.State().Scores[1]));
    // Who won the last hand is shown whole, and offered whole as a tooltip.
    const QTableWidgetItem& wonBy = *table.item(table.rowCount() - 1, 1);
    EXPECT_EQ(wonBy.toolTip(), wonBy.text());
    EXPECT_GE(table.columnWidth(1), table.fontMetrics().horizontalAdvance(wonBy.text()));
    const std::vector<ScoreLine>& lines = window->Chart().Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].scores, app.Records().Sheet().ScoreLine(1));
    EXPECT_EQ(lines[1].scores, app.Records().Sheet().ScoreLine(3));
    EXPECT_GE(window->Chart().TopScore(), kAllFivesTarget);

    // A new game starts the sheet afresh.
    app.NewGame();
    EXPECT_EQ(window->Table().rowCount(), 1);
    EXPECT_EQ(window->Chart().Lines()[0].scores, (std::vector<int32_t>{0, 0}));
}

// The settings file's level 2 is an Expert, and a game against one is counted and shown as such.
TEST(GameRecords, AGameAgainstAnExpertCountsUnderItsName) {
    TestProgram program({"sound=0", "delay=0", "pn3l=2"});
    Application& app = *program.app;
    app.NewGame();
    PlayToTheEnd(program);
    const Statistics& counts = app.Records().StatisticsStore().Counts();
    EXPECT_EQ(Total(counts).Played(), 1);
    EXPECT_EQ(counts.byLevel[static_cast<int>(Level::Expert)].Played(), 1);

    QStringList levelRows;
    program.fillIn = [&levelRows](QDialog& dialog) {
        const QTableWidget& games = dynamic_cast<StatisticsWindow&>(dialog).Games();
        for (int row = 0; row < games.rowCount(); ++row) {
            if (games.item(row, 0)->text().startsWith(QStringLiteral("Strongest opponent"))) {
                levelRows << games.item(row, 0)->text() + QLatin1Char('=') +
                                 games.item(row, 1)->text();
            }
        }
    };
    app.Human().Action(Command::kStatistics).trigger();
    EXPECT_EQ(levelRows, (QStringList{QStringLiteral("Strongest opponent Beginner=0"),
                                      QStringLiteral("Strongest opponent Advanced=0"),
                                      QStringLiteral("Strongest opponent Expert=1")}));
}

TEST(GameRecords, ResetClearsTheStatisticsOnlyWhenThePlayerAgrees) {
    TestProgram program(kQuick);
    Application& app = *program.app;
    StatisticsFile& store = app.Records().StatisticsStore();
    CountFinishedGame(store.Counts(), {2, 1}, true, 262);
    CountHand(store.Counts(), true);
    ASSERT_TRUE(store.Save());
    const Statistics before = store.Counts();
    QString shownBefore;
    QString shownAfter;
    program.fillIn = [&](QDialog& dialog) {
        auto& window = dynamic_cast<StatisticsWindow&>(dialog);
        shownBefore = window.Records().item(1, 1)->text();
        window.ResetButton().click();
        shownAfter = window.Records().item(1, 1)->text();
        // Each table shows every row and nothing under the last.
        window.show();
        QCoreApplication::processEvents();
        for (const QTableWidget* table : {&window.Games(), &window.Records()}) {
            const int last = table->rowCount() - 1;
            EXPECT_EQ(table->rowViewportPosition(last) + table->rowHeight(last),
                      table->viewport()->height());
        }
        window.hide();
    };

    for (const bool agree : {false, true}) {
        SCOPED_TRACE(agree);
        program.prompts.answer = agree;
        program.prompts.questions.clear();
        app.Human().Action(Command::kStatistics).trigger();
        EXPECT_EQ(program.prompts.questions,
                  std::vector<QString>{QString::fromLatin1(text::kResetStatisticsQuestion)});
        EXPECT_EQ(shownBefore, QStringLiteral("262"));
        const Statistics expected = agree ? Statistics{} : before;
        EXPECT_EQ(store.Counts(), expected);
        EXPECT_EQ(StatisticsOnDisk(store.Path()), expected);
        EXPECT_EQ(shownAfter, agree ? QString::fromLatin1(text::kNoFigure) : shownBefore);
    }
}

TEST(GameRecords, ADamagedStatisticsFileIsSetAsideWithANotice) {
    QTemporaryDir data;
    const QString path = FileIn(data, "statistics.json");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"format\": \"pipwick statistics\", \"version\": 1, \"handsPlayed\": -4}");
    file.close();
    TestProgram program(kQuick, {1024, 768}, nullptr, {}, data.path());
    const QString notice = program.app->Records().StatisticsStore().Notice();
    EXPECT_TRUE(notice.contains(QStringLiteral("statistics.json.damaged")));
    EXPECT_TRUE(program.prompts.warnings.empty());
    // Once the windows are up, the whole notice is shown in a message.
    QCoreApplication::processEvents();
    EXPECT_EQ(program.prompts.warnings, std::vector<QString>{notice});
    EXPECT_EQ(program.app->Records().StatisticsStore().Counts(), Statistics{});
    EXPECT_TRUE(QFile::exists(path + QStringLiteral(".damaged")));
    EXPECT_FALSE(QFile::exists(path));
    program.fillIn = [&notice](QDialog& dialog) {
        EXPECT_EQ(dynamic_cast<StatisticsWindow&>(dialog).Notice().text(), notice);
    };
    program.app->Human().Action(Command::kStatistics).trigger();
}

}  // namespace
}  // namespace pipwick
