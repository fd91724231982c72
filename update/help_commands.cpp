#include "update/help_commands.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#include "texts/texts.h"
#include "update/about_box.h"
#include "update/install_layout.h"

namespace pipwick {

HelpCommands::HelpCommands(const GameState& state, QWidget* owner, HelpServices services)
    : state_(state), owner_(owner), services_(std::move(services)) {
    if (services_.messages == nullptr) {
        services_.messages = &boxes_;
    }
    if (!services_.startProgram) {
        services_.startProgram = StartDetachedProgram;
    }
    if (!services_.openUrl) {
        services_.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    }
    if (services_.downloadFolder.isEmpty()) {
        services_.downloadFolder = QDir::tempPath();
    }
    if (services_.executableFolder.isEmpty()) {
        services_.executableFolder = QCoreApplication::applicationDirPath();
    }
}

void HelpCommands::Register(const CommandRegistrar& add) {
    add(Command::kCheckVersion, [this] { CheckForNewVersion(); });
    add(Command::kHelpContents, [this] { ShowHelp(); });
    add(Command::kAbout, [this] { ShowAbout(); });
}

void HelpCommands::CheckForNewVersion() {
    VersionCheckServices check;
    check.messages = services_.messages;
    check.startProgram = services_.startProgram;
    check.quit = services_.quit;
    check.downloadFolder = services_.downloadFolder;
    check.timeoutMs = services_.timeoutMs;
    pipwick::CheckForNewVersion(state_, owner_, check);
}

// The desktop's opener says nothing when the page is missing, so the program says it.
void HelpCommands::ShowHelp() {
    services_.minimiseTable();
    const QString page = HelpPagePath(services_.executableFolder);
    if (!QFileInfo::exists(page) || !services_.openUrl(QUrl::fromLocalFile(page))) {
        services_.messages->Stop(
            owner_, QString::fromLatin1(text::kCantOpenHelp).arg(QDir::toNativeSeparators(page)));
    }
}

void HelpCommands::ShowAbout() {
    AboutBox box(owner_);
    box.exec();
}

}  // namespace pipwick
