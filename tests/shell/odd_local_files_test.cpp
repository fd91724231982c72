// The program started with something other than a file in place of each file it reads at
// start-up: it starts on its defaults, says so in one line, and leaves every odd thing in place
// or set aside.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "shell/app/application.h"
#include "tests/shell/odd_files.h"
#include "tests/shell/shell_test_support.h"
#include "texts/texts.h"

namespace pipwick {
namespace {

TEST(OddLocalFiles, FifosInPlaceOfTheFilesAreNeitherWaitedOnNorEmptied) {
    QTemporaryDir folder;
    const QDir dir(folder.path());
    const QString settings = dir.filePath(QStringLiteral("pipwick.ini"));
    const QString statistics = dir.filePath(QStringLiteral("statistics.json"));
    const QString lastGame = dir.filePath(QStringLiteral("last-game.dom"));
    for (const QString& path : {settings, statistics, lastGame}) {
        MakeFifo(path);
    }
    FakePrompts prompts;
    InstantClock clock;
    FixedSeeds seeds{7};
    StartupOptions options;
    options.settingsPath = settings;
    options.dataFolder = folder.path();
    options.screen = {1024, 768};
    options.prompts = &prompts;
    options.clock = &clock;
    options.seeds = &seeds;
    options.endProgram = [](int) {};
    options.startProgram = [](const QString&, const QStringList&) {};
    Application app(std::move(options));

    // Both notices are longer than the status line: they are shown whole in one message, once
    // the windows are up.
    EXPECT_TRUE(prompts.warnings.empty());
    QCoreApplication::processEvents();
    ASSERT_EQ(prompts.warnings.size(), 1U);
    const QString message = prompts.warnings.front();
    EXPECT_TRUE(message.startsWith(QString::fromLatin1(text::kSettingsNotRead).arg(settings)))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("statistics.json.damaged")));
    EXPECT_FALSE(app.Human().Status().contains(QStringLiteral("statistics")));
    EXPECT_EQ(app.Preferences().Speed, Settings{}.Speed);
    EXPECT_FALSE(app.Human().Action(Command::kResumeLastGame).isEnabled());

    // A new game gives up a kept game, but a FIFO is no kept game.
    app.Human().Action(Command::kThreePlayers).trigger();
    app.NewGame();
    EXPECT_EQ(app.State().PlayerCount, 3);
    EXPECT_TRUE(IsFifo(settings));
    EXPECT_TRUE(IsFifo(lastGame));
    EXPECT_TRUE(IsFifo(statistics + QStringLiteral(".damaged")));
}

}  // namespace
}  // namespace pipwick
