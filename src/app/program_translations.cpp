#include "app/program_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace klaxora {

namespace {

void install(QCoreApplication& application, const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&application);
    // Tries the user's languages in order; English has no file, and a missing one leaves the English.
    if (translator->load(locale, name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void installProgramTranslations(QCoreApplication& application, const QLocale& locale)
{
    install(application, locale, QStringLiteral("klaxora"), QStringLiteral(":/i18n"));
    install(application, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace klaxora
