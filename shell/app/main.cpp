// The pipwick program: the table and the players' windows on the screen, the game behind them.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <memory>
#include <string>

#include "shell/app/application.h"
#include "shell/app/chosen_seeds.h"
#include "shell/app/platform_choice.h"
#include "shell/app/translations.h"
#include "shell/storage/settings_file.h"
#include "texts/texts.h"

namespace {

// The command line as a Linux user expects it: --help and --version answer without a display;
// anything else is the path of a saved game to open.
bool AnswerOption(int argc, char* argv[], int& exitCode) {
    if (argc != 2) {
        return false;
    }
    const std::string option = argv[1];
    if (option == "--version") {
        std::printf("%s\n", pipwick::text::kVersionLine);
    } else if (option == "--help" || option == "-h") {
        std::printf("%s", pipwick::text::kUsage);
    } else {
        return false;
    }
    exitCode = 0;
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (int exitCode = 0; AnswerOption(argc, argv, exitCode)) {
        return exitCode;
    }
    if (!pipwick::PreparePlatform()) {
        std::fprintf(stderr, "%s\n", pipwick::text::kNoDisplay);
        return 1;
    }
    pipwick::PlatformStartWatch watch;
    QApplication app(argc, argv);
    watch.Started();
    pipwick::InstallTranslations(app);
    QApplication::setApplicationName(QString::fromLatin1(pipwick::text::kAppTitle));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/pipwick.png")));
    // The program ends when the human's window closes, not when some window happens to be last.
    QApplication::setQuitOnLastWindowClosed(false);

    pipwick::StartupOptions options;
    options.settingsPath = pipwick::SettingsFilePath(pipwick::ProgramFolder());
    options.screen = pipwick::PrimaryScreenSize();
    // Everything after the program's name is one path, blanks included.
    const QStringList arguments = QApplication::arguments();
    options.gamePath = arguments.mid(1).join(QLatin1Char(' '));
    const std::unique_ptr<pipwick::SeedSource> seeds = pipwick::SeedsFromEnvironment();
    options.seeds = seeds.get();
    pipwick::Application game(std::move(options));
    return QApplication::exec();
}
