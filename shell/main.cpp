// The pipwick program: the table and the players' windows on the screen, the game behind them.
#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "shell/application.h"
#include "shell/platform_choice.h"
#include "shell/settings_file.h"
#include "shell/texts.h"

int main(int argc, char* argv[]) {
    if (!pipwick::PreparePlatform()) {
        std::fprintf(stderr, "%s\n", pipwick::text::kNoDisplay);
        return 1;
    }
    pipwick::PlatformStartWatch watch;
    QApplication app(argc, argv);
    watch.Started();
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
    pipwick::Application game(std::move(options));
    return QApplication::exec();
}
