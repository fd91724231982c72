#pragma once

#include <QString>
#include <functional>

#include "engine/play_log.h"

namespace pipwick {

// The game kept in the data folder when the program ended in the middle of it, for Game ▸ Resume
// Last Game. It is gone once resumed, once a game ends, or once a new one starts.
class LastGameFile : public PlayLog {
  public:
    explicit LastGameFile(QString path) : path_(std::move(path)) {}

    const QString& Path() const { return path_; }
    bool Exists() const;
    void Remove();
    // Called whenever the file may have come or gone.
    void OnChange(std::function<void()> changed) { changed_ = std::move(changed); }
    // The data folder exists, so that a save can create the file.
    bool MakeFolder() const;

    void GameStarted() override { Remove(); }
    void GameEnded(int /*winner*/) override { Remove(); }

  private:
    QString path_;
    std::function<void()> changed_;
};

}  // namespace pipwick
