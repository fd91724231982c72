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

QString HelpPagePath(const QString& executableFolder, const QLocale& locale) {
    const QString besideExecutable =
        QDir(executableFolder).filePath(QString::fromLatin1(kHelpPage));
    QString english = besideExecutable;
    if (!QFileInfo::exists(besideExecutable)) {
        const QString dataFolder = InstalledDataFolder(executableFolder);
        const QString installed = dataFolder.isEmpty()
                                      ? QString()
                                      : QDir(dataFolder).filePath(QString::fromLatin1(kHelpPage));
        if (!installed.isEmpty() && QFileInfo::exists(installed)) {
            english = installed;
        }
    }
    // "es_MX", then "es": the page of the most particular language there is, as Qt's own choice
    // of a translation goes.
    for (QString language : locale.uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        for (;;) {
            QString translated = english;
            translated.replace(translated.size() - 4, 4, language + QStringLiteral(".html"));
            if (QFileInfo::exists(translated)) {
                return translated;
            }
            const qsizetype cut = language.lastIndexOf(QLatin1Char('_'));
            if (cut < 0) {
                break;
            }
            language.truncate(cut);
        }
    }
    return english;
}

}  // namespace pipwick
