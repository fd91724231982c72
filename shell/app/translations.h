#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>

namespace pipwick {

// The program speaks the desktop's language when it has a translation for it (Spanish, Brazilian
// Portuguese), and English otherwise. Installs the program's translation and Qt's own (the
// buttons of the standard dialogs) on the application, and has texts/ look its words up through
// them. False when the program has no translation for locale and stays English.
bool InstallTranslations(QCoreApplication& application, const QLocale& locale = QLocale());

// A text of texts/ in the program's language.
QString Translated(const char* english);

}  // namespace pipwick
