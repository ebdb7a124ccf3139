// The program's texts follow the user's first language that the program has, English otherwise.
#include "app/program_translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <gtest/gtest.h>

namespace klaxora {
namespace {

QString addAlarmCaption(const QLocale& locale)
{
    installProgramTranslations(*QCoreApplication::instance(), locale);
    const QString caption = QCoreApplication::translate("klaxora::MainScreen", "&Add Alarm");
    // Taken out again, so that the next row starts from English.
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
        delete translator;
    return caption;
}

TEST(ProgramTranslations, TheFirstLanguageTheProgramHasOrEnglish)
{
    EXPECT_EQ(addAlarmCaption(QLocale(QLocale::German, QLocale::Germany)), "&Neuer Alarm");
    EXPECT_EQ(addAlarmCaption(QLocale(QLocale::German, QLocale::Austria)), "&Neuer Alarm");
    EXPECT_EQ(addAlarmCaption(QLocale(QLocale::Japanese, QLocale::Japan)), "&Add Alarm");
    EXPECT_EQ(addAlarmCaption(QLocale(QLocale::English, QLocale::UnitedStates)), "&Add Alarm");
}

} // namespace
} // namespace klaxora
