#include "shell/storage/last_game_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pipwick {

bool LastGameFile::Exists() const {
    return QFileInfo(path_).isFile();
}

// Only a file goes: a FIFO, a device or a folder in its place is left where it is.
void LastGameFile::Remove() {
    if (QFileInfo(path_).isFile()) {
        QFile::remove(path_);
    }
    if (changed_) {
        changed_();
    }
}

bool LastGameFile::MakeFolder() const {
    return QDir().mkpath(QFileInfo(path_).absolutePath());
}

}  // namespace pipwick
