#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "engine/play_log.h"

namespace pipwick {

// The game kept in the data folder when the program ended in the middle of it, for Game ▸ Resume
// Last Game. It is gone once resumed, once a game ends, or once a new one starts.
//
// Two copies of the game may share the file. Each remembers the file as it last saw it (when it
// started, resumed or wrote it); a file that another copy has written since is that copy's kept
// game, which this one never removes, and replaces only when the player agrees.
class LastGameFile : public PlayLog {
  public:
    explicit LastGameFile(QString path);

    const QString& Path() const { return path_; }
    bool Exists() const;
    void Remove();
    // Called whenever the file may have come or gone.
    void OnChange(std::function<void()> changed) { changed_ = std::move(changed); }
    // The data folder exists, so that a save can create the file.
    bool MakeFolder() const;

    // The file as it is now is this copy's to replace or remove.
    void Remember();
    // Another copy kept its game in the file since this one last saw it.
    bool KeptByAnother() const;

    void GameStarted() override { Remove(); }
    void GameEnded(int /*winner*/) override { Remove(); }

  private:
    // What tells one file at path from another: its device, its number, its time and its size.
    struct Identity {
        unsigned long long device = 0;
        unsigned long long number = 0;
        long long changedNanoseconds = 0;
        long long size = 0;
        bool operator==(const Identity&) const = default;
    };
    std::optional<Identity> Current() const;

    QString path_;
    std::optional<Identity> seen_;
    std::function<void()> changed_;
};

}  // namespace pipwick
