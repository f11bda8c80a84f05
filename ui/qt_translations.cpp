#include "qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velkor::ui {

bool InstallQtTranslations(QCoreApplication& app) {
    // The interface is Italian whatever the regional setting: the catalogue of Italian, not of
    // the system's language.
    auto* catalogue = new QTranslator(&app);
    if (!catalogue->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(catalogue)) {
        delete catalogue;
        return false;
    }
    return true;
}

} // namespace velkor::ui
