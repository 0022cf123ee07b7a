#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kvor::ui {

bool installCzechQtTranslations(QCoreApplication& application)
{
    // Owned by the application, so it lives as long as the texts are asked for.
    auto* translator = new QTranslator(&application);
    if (!translator->load(QLocale(QLocale::Czech, QLocale::CzechRepublic), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace kvor::ui
