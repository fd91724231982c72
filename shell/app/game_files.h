#pragma once

#include <QString>
#include <optional>

#include "model/game_state.h"
#include "model/geometry.h"
#include "model/whole_file_write.h"
#include "shell/dialogs/prompts.h"
#include "shell/windows/qt_game_view.h"

namespace pipwick {

// Saved games in the windows: the dialogs of the Open and Save commands, which start in the folder
// last used, and reading and writing the ".dom" file of the one game state.
class GameFiles {
  public:
    GameFiles(GameState& state, const Geometry& geometry, Prompts& prompts, const Windows& windows);

    // The Open dialog: the file the player chose, empty for none.
    QString ChooseGameToOpen();
    // A game that cannot be saved is refused before the player picks a file; a save that worked
    // says so in the status line.
    void SaveCommand();
    // Whether the game as it stands could be saved and opened again.
    bool CanSave() const;
    // Everything is checked before anything changes; a file that fails any check is refused with
    // "Can't open game!" and leaves the state as it was.
    bool Read(const QString& path);
    // A save that cannot be written, or of a game that could not be opened again, returns false.
    bool Write(const QString& path) const;
    // Why the last save failed to be written; empty when it was written or could not be made.
    std::optional<WriteFailure> LastWriteFailure() const { return lastWriteFailure_; }
    // What the player is told when a save of the game under way was not written: the reason, or
    // "Can't save game!" when the game could not be saved at all.
    QString WhyNotSaved(const char* notice) const;

  private:
    // The folder of the file last chosen in either dialog during this run.
    QString DialogFolder() const;
    void RememberFolderOf(const QString& chosenPath);

    GameState& state_;
    const Geometry& geometry_;
    Prompts& prompts_;
    const Windows& windows_;
    QString lastFolder_;
    mutable std::optional<WriteFailure> lastWriteFailure_;
};

}  // namespace pipwick
