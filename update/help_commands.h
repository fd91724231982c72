#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>
#include <functional>

#include "model/game_state.h"
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
    std::function<bool(const QUrl&)> openUrl;
    std::function<void()> minimiseTable;
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
    // Minimises the table window, then opens the help page in the user's browser.
    void ShowHelp();
    // Runs the About box until its OK button closes it.
    void ShowAbout();

  private:
    const GameState& state_;
    QWidget* owner_;
    HelpServices services_;
    MessageBoxes boxes_;
};

}  // namespace pipwick
