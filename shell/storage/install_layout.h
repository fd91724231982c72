#pragma once

#include <QLocale>
#include <QString>

namespace pipwick {

// Where the program's files lie. In the build tree and in a portable copy the help page sits in a
// folder "help" beside the executable. An installed program has its executable in <prefix>/games
// and its data, the help page among it, in <prefix>/share/games/pipwick; it keeps the user's
// settings in the user's configuration folder, whoever may write to its own folder.

// The data folder of an installed program whose executable lies in executableFolder; empty when
// the program is not installed.
QString InstalledDataFolder(const QString& executableFolder);
bool IsInstalledProgram(const QString& executableFolder);

// The help page: beside the executable when it is there, else in the installed data folder; in
// the language of locale when that page is there too ("pipwick.es.html"), else in English. A page
// found in neither place is named by its place beside the executable.
QString HelpPagePath(const QString& executableFolder, const QLocale& locale = QLocale());

}  // namespace pipwick
