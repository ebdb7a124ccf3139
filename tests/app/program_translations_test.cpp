// The program's texts, and Qt's own, follow the user's first language that the program has; English
// otherwise, Qt's texts included.
#include "app/program_translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <gtest/gtest.h>

namespace klaxora {
namespace {

// The program's "&Add Alarm" and Qt's "Unknown option" under that locale.
QString texts(const QLocale& locale)
{
    installProgramTranslations(*QCoreApplication::instance(), locale);
    const QString texts = QCoreApplication::translate("klaxora::MainScreen", "&Add Alarm") + " | " +
                          QCoreApplication::translate("QCommandLineParser", "Unknown option '%1'.");
    // Taken out again, so that the next row starts from English.
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
        delete translator;
    return texts;
}

TEST(ProgramTranslations, TheFirstLanguageTheProgramHasOrEnglish)
{
    EXPECT_EQ(texts(QLocale(QLocale::German, QLocale::Germany)), "&Neuer Alarm | Unbekannte Option '%1'.");
    EXPECT_EQ(texts(QLocale(QLocale::German, QLocale::Austria)), "&Neuer Alarm | Unbekannte Option '%1'.");
    EXPECT_EQ(texts(QLocale(QLocale::Japanese, QLocale::Japan)), "&Add Alarm | Unknown option '%1'.")
        << "Qt has Japanese, the program has not";
    EXPECT_EQ(texts(QLocale(QLocale::English, QLocale::UnitedStates)), "&Add Alarm | Unknown option '%1'.");
}

} // namespace
} // namespace klaxora
