#include "shell/app/help_commands.h"

#include <QCoreApplication>
#include <QDir>

#include "shell/dialogs/about_box.h"
#include "shell/dialogs/browser_opener.h"
#include "shell/storage/install_layout.h"
#include "texts/texts.h"

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
        services_.openUrl = OpenWithDesktop;
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

// A missing page, or anything but a file of a sane size in its place, is said before anything
// moves. The game never stays minimised behind a failure:
// without a browser it comes back with the page in a window of its own.
void HelpCommands::ShowHelp() {
    const QString page = HelpPagePath(services_.executableFolder);
    if (!IsReadableHelpFile(page)) {
        services_.messages->Stop(
            owner_, QString::fromLatin1(text::kCantOpenHelp).arg(QDir::toNativeSeparators(page)));
        return;
    }
    services_.minimiseTable();
    const auto failed = [this, page] { ShowOwnHelpWindow(page); };
    if (!services_.openUrl(QUrl::fromLocalFile(page), failed)) {
        failed();
    }
}

void HelpCommands::ShowOwnHelpWindow(const QString& page) {
    services_.restoreTable();
    if (!helpWindow_) {
        helpWindow_ = std::make_unique<HelpWindow>(nullptr);
    }
    helpWindow_->ShowPage(page);
}

void HelpCommands::ShowAbout() {
    AboutBox box(owner_);
    box.exec();
}

}  // namespace pipwick
