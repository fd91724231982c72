#include "shell/storage/last_game_file.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "model/whole_file_write.h"

namespace pipwick {

LastGameFile::LastGameFile(QString path) : path_(std::move(path)) {
    RemoveStaleTemporaries(path_.toStdU16String());
    Remember();
}

bool LastGameFile::Exists() const {
    return QFileInfo(path_).isFile();
}

// Only a file goes: a FIFO, a device or a folder in its place is left where it is, and so is a
// game another copy kept.
void LastGameFile::Remove() {
    if (QFileInfo(path_).isFile() && !KeptByAnother()) {
        QFile::remove(path_);
        Remember();
    }
    if (changed_) {
        changed_();
    }
}

bool LastGameFile::MakeFolder() const {
    return QDir().mkpath(QFileInfo(path_).absolutePath());
}

void LastGameFile::Remember() {
    seen_ = Current();
}

bool LastGameFile::KeptByAnother() const {
    return Current().has_value() && Current() != seen_;
}

std::optional<LastGameFile::Identity> LastGameFile::Current() const {
    struct stat status {};
    if (::lstat(QFile::encodeName(path_).constData(), &status) != 0) {
        return std::nullopt;
    }
    return Identity{
        static_cast<unsigned long long>(status.st_dev),
        static_cast<unsigned long long>(status.st_ino),
        static_cast<long long>(status.st_ctim.tv_sec) * 1'000'000'000 + status.st_ctim.tv_nsec,
        static_cast<long long>(status.st_size)};
}

}  // namespace pipwick
