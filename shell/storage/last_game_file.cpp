#include "shell/storage/last_game_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pipwick {

bool LastGameFile::Exists() const {
    return QFileInfo(path_).isFile();
}

void LastGameFile::Remove() {
    if (QFileInfo::exists(path_)) {
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
