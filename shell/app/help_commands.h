#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>

#include "model/game_state.h"
#include "shell/dialogs/help_window.h"
#include "texts/menu_commands.h"
#include "update/update_messages.h"
#include "update/version_check.h"

namespace pipwick {

// What the Help menu's commands act through. Left empty, each is the real one: message boxes,
// a detached process, the desktop's browser, the system's temporary folder and the running
// program's folder. Tests give their own so that nothing leaves the test.
struct HelpServices {
    UpdateMessages* messages = nullptr;
    std::function<bool(const QString&)> startProgram;
    // Opens a page in the desktop's browser; false when it cannot, or a call of failed later.
    std::function<bool(const QUrl&, std::function<void()> failed)> openUrl;
    std::function<void()> minimiseTable;
    std::function<void()> restoreTable;
    std::function<void()> quit;
    QString downloadFolder;
    QString executableFolder;
    int timeoutMs = kTransferTimeoutMs;
};

// Gives a menu command its handler.
using CommandRegistrar = std::function<void(Command, std::function<void()>)>;

// The Help menu's three commands: the version check, the help page and the About box.
class HelpCommands {
  public:
    HelpCommands(const GameState& state, QWidget* owner, HelpServices services);

    // Hands the three commands to the menu, which enables their items.
    void Register(const CommandRegistrar& add);

    void CheckForNewVersion();
    // Minimises the table window, then opens the help page in the user's browser; where the
    // desktop has no browser, the game comes back and shows the page in a window of its own.
    void ShowHelp();
    // The program's own help window, once it has been needed.
    const HelpWindow* OwnHelpWindow() const { return helpWindow_.get(); }
    // Runs the About box until its OK button closes it.
    void ShowAbout();

  private:
    void ShowOwnHelpWindow(const QString& page);

    const GameState& state_;
    QWidget* owner_;
    HelpServices services_;
    MessageBoxes boxes_;
    std::unique_ptr<HelpWindow> helpWindow_;
};

}  // namespace pipwick
