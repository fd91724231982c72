// Nothing is given up by one key: the questions before a game or the statistics are thrown away,
// their default answers, the statistics' backup and where the file dialogs start.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "shell/windows/statistics_window.h"
#include "tests/shell/shell_test_support.h"
#include "tests/support/same_state.h"
#include "texts/texts.h"

namespace pipwick {
namespace {

const std::vector<std::string> kQuick = {"sound=0", "delay=0"};

QString AbandonQuestion() {
    return QString::fromLatin1(text::kAbandonGameQuestion);
}

// Each command that replaces the game: a game under way stays when the player says No, and goes
// when he says Yes; a finished game, or none, goes without a question.
TEST(GivingUp, CommandsThatReplaceAGameUnderWayAskFirst) {
    struct Case {
        const char* name;
        Command command;
    };
    const Case cases[] = {
        {"new", Command::kNew}, {"open", Command::kOpen}, {"resume", Command::kResumeLastGame}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir files;
        const QString saved = QDir(files.path()).filePath(QStringLiteral("saved.dom"));
        TestProgram other(kQuick);
        other.app->NewGame();
        ASSERT_TRUE(other.app->Files().Write(saved));
        TestProgram program(kQuick);
        PlaySome(program);
        // A kept game for Resume, as an earlier run would have left it.
        ASSERT_TRUE(QFile::copy(saved, program.app->Records().LastGame().Path()));
        program.prompts.chosenFile = saved;
        QAction& action = program.app->Human().Action(c.command);
        action.setEnabled(true);

        const GameState before = program.app->State();
        program.prompts.answer = false;
        action.trigger();
        EXPECT_EQ(program.prompts.questions, std::vector<QString>{AbandonQuestion()});
        EXPECT_TRUE(SameState(program.app->State(), before));
        EXPECT_TRUE(program.prompts.fileDialogs.empty());

        program.prompts.answer = true;
        action.trigger();
        EXPECT_EQ(program.prompts.questions.size(), 2u);
        EXPECT_FALSE(SameState(program.app->State(), before));
        EXPECT_TRUE(program.prompts.warnings.empty());
    }
}

TEST(GivingUp, NoGameOrAFinishedOneGoesWithoutAQuestion) {
    TestProgram program(kQuick);
    program.prompts.answer = false;
    program.app->Human().Action(Command::kNew).trigger();
    EXPECT_EQ(program.app->State().GameInProgress, 1);
    program.app->State().GameInProgress = 0;
    program.app->Human().Action(Command::kNew).trigger();
    EXPECT_EQ(program.app->State().GameInProgress, 1);
    EXPECT_TRUE(program.prompts.questions.empty());
}

// The real question box: Enter answers No.
TEST(GivingUp, EnterInTheQuestionAnswersNo) {
    QWidget owner;
    QMessageBox::StandardButton shownDefault = QMessageBox::NoButton;
    QTimer::singleShot(0, [&shownDefault] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shownDefault = box->standardButton(box->defaultButton());
        QTest::keyClick(box, Qt::Key_Return);
    });
    WindowPrompts prompts;
    EXPECT_FALSE(prompts.AskYesNo(&owner, AbandonQuestion()));
    EXPECT_EQ(shownDefault, QMessageBox::No);
}

// Enter in the statistics closes them; Reset keeps the counts beside the file until the next.
TEST(GivingUp, StatisticsAreClearedOnlyByResetAndKeptAsABackup) {
    TestProgram program(kQuick);
    StatisticsFile& store = program.app->Records().StatisticsStore();
    CountFinishedGame(store.Counts(), {2, 1}, true, 262);
    ASSERT_TRUE(store.Save());
    const Statistics first = store.Counts();

    bool closedByEnter = false;
    program.fillIn = [&closedByEnter](QDialog& dialog) {
        auto& window = dynamic_cast<StatisticsWindow&>(dialog);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        EXPECT_EQ(QApplication::focusWidget(), &window.CloseButton());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        closedByEnter = !window.isVisible() && window.result() == QDialog::Rejected;
    };
    program.app->Human().Action(Command::kStatistics).trigger();
    EXPECT_TRUE(closedByEnter);
    EXPECT_TRUE(program.prompts.questions.empty());
    EXPECT_EQ(store.Counts(), first);

    program.fillIn = [](QDialog& dialog) {
        dynamic_cast<StatisticsWindow&>(dialog).ResetButton().click();
    };
    program.app->Human().Action(Command::kStatistics).trigger();
    EXPECT_EQ(store.Counts(), Statistics{});
    QFile backup(store.BackupPath());
    ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
    EXPECT_EQ(StatisticsFromJson(backup.readAll()), first);
    backup.close();

    // The next Reset replaces the backup with what it clears.
    CountFinishedGame(store.Counts(), {3, 1}, false, 80);
    const Statistics second = store.Counts();
    program.app->Human().Action(Command::kStatistics).trigger();
    ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
    EXPECT_EQ(StatisticsFromJson(backup.readAll()), second);
}

TEST(GivingUp, AResetWhoseBackupCannotBeWrittenClearsNothing) {
    TestProgram program(kQuick);
    StatisticsFile& store = program.app->Records().StatisticsStore();
    CountFinishedGame(store.Counts(), {2, 1}, true, 262);
    const Statistics before = store.Counts();
    // A folder where the backup would go.
    ASSERT_TRUE(QDir().mkpath(store.BackupPath()));
    program.fillIn = [](QDialog& dialog) {
        dynamic_cast<StatisticsWindow&>(dialog).ResetButton().click();
    };
    program.app->Human().Action(Command::kStatistics).trigger();
    EXPECT_EQ(store.Counts(), before);
    const QString why = QString::fromLatin1(
        text::kWriteFailures[static_cast<std::size_t>(WriteFailure::kInTheWay)]);
    EXPECT_EQ(program.prompts.warnings,
              std::vector<QString>{QString::fromLatin1(text::kStatisticsNotSaved).arg(why)});
}

// The dialogs never start in the program's folder: first in the documents (or home) folder, then
// where the player last chose a file, in either dialog.
TEST(GivingUp, FileDialogsStartWhereThePlayerLastChose) {
    QTemporaryDir files;
    const QString saved = QDir(files.path()).filePath(QStringLiteral("chosen.dom"));
    TestProgram program(kQuick);
    PlaySome(program);
    ASSERT_TRUE(program.app->Files().Write(saved));

    program.app->Human().Action(Command::kSave).trigger();
    ASSERT_EQ(program.prompts.fileDialogs.size(), 1u);
    const QString firstFolder = QFileInfo(program.prompts.fileDialogs[0].folder).absolutePath();
    EXPECT_NE(firstFolder, QFileInfo(QCoreApplication::applicationDirPath()).absoluteFilePath());
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_TRUE(firstFolder == QFileInfo(documents).absoluteFilePath() ||
                firstFolder == QDir::homePath())
        << firstFolder.toStdString();

    program.prompts.chosenFile = saved;
    program.app->Human().Action(Command::kOpen).trigger();
    program.prompts.chosenFile.clear();
    program.app->Human().Action(Command::kSave).trigger();
    program.app->Human().Action(Command::kOpen).trigger();
    ASSERT_EQ(program.prompts.fileDialogs.size(), 4u);
    EXPECT_EQ(QFileInfo(program.prompts.fileDialogs[2].folder).absolutePath(),
              QFileInfo(files.path()).absoluteFilePath());
    EXPECT_EQ(QFileInfo(program.prompts.fileDialogs[3].folder).absoluteFilePath(),
              QFileInfo(files.path()).absoluteFilePath());
}

}  // namespace
}  // namespace pipwick
