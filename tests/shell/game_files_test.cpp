#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "savegame/saved_game.h"
#include "shell/storage/settings_file.h"
#include "shell/windows/outer_geometry.h"
#include "tests/savegame/crafted_games.h"
#include "tests/shell/shell_test_support.h"
#include "tests/support/same_state.h"
#include "texts/texts.h"

namespace pipwick {
namespace {

int32_t OuterWidth(const QWidget& window) {
    const Rect r = OuterRect(window);
    return r.right - r.left;
}

TEST(GameFiles, ASavedGameOpensAgainAtTheHumansTurn) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a game.dom"));
    TestProgram first;
    PlaySome(first);
    first.prompts.chosenFile = path;
    first.app->Human().Action(Command::kSave).trigger();
    ASSERT_EQ(first.prompts.fileDialogs.size(), 1u);
    EXPECT_EQ(first.prompts.fileDialogs[0].title, QString::fromLatin1(text::kSaveTitle));
    EXPECT_TRUE(first.prompts.fileDialogs[0].forSave);
    EXPECT_EQ(QFile(path).size(), kSavedGameSize);
    EXPECT_TRUE(first.prompts.warnings.empty());

    TestProgram second;
    second.prompts.chosenFile = path;
    second.app->Human().Action(Command::kOpen).trigger();
    EXPECT_FALSE(second.prompts.fileDialogs[0].forSave);
    EXPECT_EQ(second.prompts.fileDialogs[0].title, QString::fromLatin1(text::kOpenTitle));
    const GameState& b = second.app->State();
    EXPECT_EQ(b.GameInProgress, 1);
    EXPECT_EQ(b.CurrentPlayer, 1);
    EXPECT_EQ(BuildSavedGameImage(b), BuildSavedGameImage(first.app->State()));
    EXPECT_EQ(second.app->Human().Status(), QString::fromLatin1(text::kGameOpened));
    EXPECT_EQ(second.app->Human().Action(Command::kDrawPass).text(),
              QString::fromLatin1(text::kDraw));
    EXPECT_TRUE(second.app->Table().ReloadTimer().isActive());
}

TEST(GameFiles, OpeningAThreePlayerGameMakesThreePlayersTheSetting) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("three.dom"));
    TestProgram three({"nump=3"});
    PlaySome(three);
    ASSERT_TRUE(three.app->Files().Write(path));

    TestProgram two({"nump=2"});
    ASSERT_TRUE(two.app->OpenGameFile(path, true));
    EXPECT_EQ(two.app->State().PlayerCount, 3);
    EXPECT_EQ(two.settings.Read("nump"), QStringLiteral("3"));
    EXPECT_TRUE(two.app->Human().Action(Command::kThreePlayers).isChecked());
    EXPECT_FALSE(two.app->Human().Action(Command::kTwoPlayers).isChecked());
    EXPECT_FALSE(two.app->Opponent(2).isHidden());
    EXPECT_TRUE(two.app->Opponent(4).isHidden());
}

TEST(GameFiles, AFileThatFailsAnyCheckChangesNothing) {
    QTemporaryDir folder;
    const QString good = folder.filePath(QStringLiteral("good.dom"));
    TestProgram program;
    PlaySome(program);
    ASSERT_TRUE(program.app->Files().Write(good));
    QFile file(good);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    const struct {
        const char* name;
        QByteArray content;
    } bad[] = {
        {"short.dom", bytes.left(461)},
        {"long.dom", bytes + QByteArray(1, '\0')},
        {"tile.dom", QByteArray(bytes).replace(0, 1, QByteArray(1, char(29)))},
        {"players.dom", QByteArray(bytes).replace(461, 1, QByteArray(1, char(5)))},
    };
    program.app->NewGame();
    const GameState before = program.app->State();
    const QString status = program.app->Human().Status();
    for (const auto& b : bad) {
        const QString path = folder.filePath(QString::fromLatin1(b.name));
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(b.content);
        out.close();
        EXPECT_FALSE(program.app->OpenGameFile(path, true)) << b.name;
        EXPECT_TRUE(SameState(before, program.app->State())) << b.name;
    }
    EXPECT_FALSE(program.app->OpenGameFile(folder.filePath(QStringLiteral("none.dom")), true));
    EXPECT_EQ(program.prompts.warnings,
              std::vector<QString>(5, QString::fromLatin1(text::kCantOpenGame)));
    EXPECT_EQ(program.app->Human().Status(), status);
}

TEST(GameFiles, ASaveBeforeTheFirstDealIsRefusedBeforeAnyDialog) {
    TestProgram program;
    program.prompts.chosenFile = QDir::temp().filePath(QStringLiteral("never written.dom"));
    // The menu item is greyed; the command itself refuses too.
    EXPECT_FALSE(program.app->Human().Action(Command::kSave).isEnabled());
    program.app->Files().SaveCommand();
    EXPECT_TRUE(program.prompts.fileDialogs.empty());
    EXPECT_FALSE(QFile::exists(program.prompts.chosenFile));
    EXPECT_EQ(program.prompts.warnings,
              std::vector<QString>(1, QString::fromLatin1(text::kCantSaveGame)));
}

TEST(GameFiles, ASaveThatCannotBeWrittenSaysSo) {
    QTemporaryDir folder;
    TestProgram program;
    PlaySome(program);
    program.prompts.chosenFile = folder.filePath(QStringLiteral("no such folder/game.dom"));
    program.app->Human().Action(Command::kSave).trigger();
    EXPECT_EQ(program.prompts.fileDialogs.size(), 1u);
    const QString why = QString::fromLatin1(
        text::kWriteFailures[static_cast<std::size_t>(WriteFailure::kSystemError)]);
    EXPECT_EQ(program.prompts.warnings,
              std::vector<QString>(1, QString::fromLatin1(text::kGameNotSaved).arg(why)));
    // A cancelled dialog does nothing.
    program.prompts.chosenFile.clear();
    program.app->Human().Action(Command::kSave).trigger();
    EXPECT_EQ(program.prompts.warnings.size(), 1u);
}

// The proposal is a new file in a folder the player can write, so taking it never replaces a game
// saved earlier.
TEST(GameFiles, TheSaveDialogProposesANewFileInAWritableFolder) {
    QTemporaryDir folder;
    TestProgram program;
    PlaySome(program);
    // An Open in the test's folder makes the dialogs start there.
    program.prompts.chosenFile = folder.filePath(QStringLiteral("none.dom"));
    program.app->Human().Action(Command::kOpen).trigger();
    program.prompts.chosenFile.clear();
    program.prompts.fileDialogs.clear();
    program.prompts.warnings.clear();
    program.app->Human().Action(Command::kSave).trigger();
    ASSERT_EQ(program.prompts.fileDialogs.size(), 1u);
    const QFileInfo first(program.prompts.fileDialogs[0].folder);
    EXPECT_EQ(first.absolutePath(), QFileInfo(folder.path()).absoluteFilePath());
    EXPECT_TRUE(first.fileName().endsWith(QStringLiteral(".dom")))
        << first.fileName().toStdString();
    EXPECT_FALSE(first.exists());
    EXPECT_TRUE(QFileInfo(first.path()).isWritable());

    program.prompts.chosenFile = first.filePath();
    program.app->Human().Action(Command::kSave).trigger();
    ASSERT_TRUE(QFile::exists(first.filePath()));
    program.prompts.chosenFile.clear();
    program.app->Human().Action(Command::kSave).trigger();
    ASSERT_EQ(program.prompts.fileDialogs.size(), 3u);
    const QFileInfo second(program.prompts.fileDialogs[2].folder);
    EXPECT_NE(second.fileName(), first.fileName());
    EXPECT_FALSE(second.exists());
}

TEST(GameFiles, AGameNamedOnTheCommandLineOpensWithoutAnnouncement) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("started with.dom"));
    {
        TestProgram program;
        PlaySome(program);
        ASSERT_TRUE(program.app->Files().Write(path));
    }
    TestProgram opened({}, {1024, 768}, nullptr, path);
    EXPECT_EQ(opened.app->State().GameInProgress, 1);
    EXPECT_NE(opened.app->Human().Status(), QString::fromLatin1(text::kGameOpened));
    EXPECT_EQ(opened.app->Human().windowTitle(), opened.app->View().Caption(1));
}

TEST(GameFiles, WindowsFitTheirHandsAfterOpening) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("widths.dom"));
    // Four tiles on the table and two drawn: nine tiles for the human, three for the computer.
    const GameState nineAndThree =
        testing::TwoPlayerHand({{0, {TileWithPips(3, 5), 3, 5, {}, {}}},
                                {0, {TileWithPips(5, 6), 5, 6, {}, {}}},
                                {2, {TileWithPips(3, 1), 3, 1, {}, {}}},
                                {2, {TileWithPips(1, 4), 1, 4, {}, {}}}},
                               {1, 2, 3, 4, 5, 6, 7, 8, 9}, {12, 13, 14});
    const SavedGameImage image = BuildSavedGameImage(nineAndThree);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(image.data()), static_cast<qint64>(image.size()));
    file.close();
    TestProgram opened;
    ASSERT_TRUE(opened.app->OpenGameFile(path, true));
    const double s = opened.app->Layout().ScaleFactor;
    EXPECT_EQ(OuterWidth(opened.app->Human()), Scaled(225, s));
    EXPECT_EQ(OuterWidth(opened.app->Opponent(3)), Scaled(175, s));
}

TEST(Restart, ANewScreenWidthRestartsWithTheRunningGame) {
    TestProgram program;
    PlaySome(program);
    program.screenWidth = 1280;
    program.app->ScreenWidthMayHaveChanged();
    ASSERT_EQ(program.started.size(), 1u);
    const QString saved = QDir(ProgramFolder()).filePath(QStringLiteral("temp.dom"));
    EXPECT_EQ(program.started[0].mid(1), QStringList{saved});
    EXPECT_EQ(QFile(saved).size(), kSavedGameSize);
    EXPECT_EQ(program.exitCodes, std::vector<int>{0});
    QFile::remove(saved);

    TestProgram idle;
    idle.app->ScreenWidthMayHaveChanged();
    EXPECT_TRUE(idle.started.empty());
    idle.screenWidth = 800;
    idle.app->ScreenWidthMayHaveChanged();
    ASSERT_EQ(idle.started.size(), 1u);
    EXPECT_EQ(idle.started[0].size(), 1);  // no game to carry along
}

// A program built without a starter of its own would start a real process at its restart; inside
// a test binary that start is refused and fails the test instead.
TEST(Restart, WithoutARecordingStarterTheTestFailsAndNothingStarts) {
    SettingsFolder settings;
    FakePrompts prompts;
    InstantClock clock;
    FixedSeeds seeds{7};
    std::vector<int> exitCodes;
    StartupOptions options;
    options.settingsPath = settings.Path();
    options.screen = {1024, 768};
    options.prompts = &prompts;
    options.clock = &clock;
    options.seeds = &seeds;
    options.endProgram = [&exitCodes](int code) { exitCodes.push_back(code); };
    options.currentScreenWidth = [] { return 800; };
    Application app(std::move(options));
    EXPECT_NONFATAL_FAILURE(app.ScreenWidthMayHaveChanged(), "a test reached a real start of");
    EXPECT_EQ(exitCodes, std::vector<int>{0});
}

}  // namespace
}  // namespace pipwick
