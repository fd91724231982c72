#include "shell/app/translations.h"

#include <QLibraryInfo>
#include <QTranslator>
#include <string>

#include "texts/translatable.h"
#include "texts/translation.h"

namespace pipwick {

namespace {

// Where the build puts the program's compiled translations among its resources.
constexpr const char* kTranslationsFolder = ":/translations";

std::string TranslatedForTexts(const char* english) {
    return Translated(english).toStdString();
}

}  // namespace

bool InstallTranslations(QCoreApplication& application, const QLocale& locale) {
    auto* own = new QTranslator(&application);
    if (!own->load(locale, QStringLiteral("pipwick"), QStringLiteral("_"),
                   QString::fromLatin1(kTranslationsFolder))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    // Without the system's Qt translations the standard buttons stay English; the rest is ours.
    auto* qt = new QTranslator(&application);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    text::UseTranslator(TranslatedForTexts);
    return true;
}

QString Translated(const char* english) {
    return QCoreApplication::translate(text::kTextScope, english);
}

}  // namespace pipwick
