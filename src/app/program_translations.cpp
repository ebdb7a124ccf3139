#include "app/program_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace klaxora {

namespace {

// The translator of `name` for the first of the locale's languages that has one, or null.
QTranslator* install(QCoreApplication& application, const QLocale& locale, const QString& name,
                     const QString& folder)
{
    auto* translator = new QTranslator(&application);
    // Tries the user's languages in order; English has no file, and a missing one leaves the English.
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
        return translator;
    }
    delete translator;
    return nullptr;
}

} // namespace

void installProgramTranslations(QCoreApplication& application, const QLocale& locale)
{
    const QTranslator* program =
        install(application, locale, QStringLiteral("klaxora"), QStringLiteral(":/i18n"));
    // Qt's own texts in the same language, or none: a language the program lacks stays all English.
    if (program != nullptr)
        install(application, QLocale(program->language()), QStringLiteral("qtbase"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace klaxora
