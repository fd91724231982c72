#include "shell/storage/install_layout.h"

#include <QDir>
#include <QFileInfo>

namespace pipwick {

namespace {

// Set by the build from the install folders, "../share/games/pipwick" unless they were changed.
constexpr const char* kDataFromExecutable = PIPWICK_DATA_FROM_EXECUTABLE;
constexpr const char* kHelpPage = "help/pipwick.html";

}  // namespace

QString InstalledDataFolder(const QString& executableFolder) {
    const QString folder =
        QDir::cleanPath(QDir(executableFolder).filePath(QString::fromLatin1(kDataFromExecutable)));
    return QFileInfo(folder).isDir() ? folder : QString();
}

bool IsInstalledProgram(const QString& executableFolder) {
    return !InstalledDataFolder(executableFolder).isEmpty();
}

QString HelpPagePath(const QString& executableFolder) {
    const QString besideExecutable =
        QDir(executableFolder).filePath(QString::fromLatin1(kHelpPage));
    if (QFileInfo::exists(besideExecutable)) {
        return besideExecutable;
    }
    const QString dataFolder = InstalledDataFolder(executableFolder);
    if (!dataFolder.isEmpty()) {
        const QString installed = QDir(dataFolder).filePath(QString::fromLatin1(kHelpPage));
        if (QFileInfo::exists(installed)) {
            return installed;
        }
    }
    return besideExecutable;
}

}  // namespace pipwick
