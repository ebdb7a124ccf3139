// The program's texts, and Qt's own, follow the user's first language that the program has; English
// otherwise, Qt's texts included. The errors of the code without Qt are told in that language too.
#include "app/program_translations.h"
#include "command/translated_text.h"
#include "store/store_test_support.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <gtest/gtest.h>

#include <cerrno>

namespace klaxora {
namespace {

void removeTranslations()
{
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
        delete translator;
}

// The program's "&Add Alarm" and Qt's "Unknown option" under that locale.
QString texts(const QLocale& locale)
{
    installProgramTranslations(*QCoreApplication::instance(), locale);
    const QString texts = QCoreApplication::translate("klaxora::MainScreen", "&Add Alarm") + " | " +
                          QCoreApplication::translate("QCommandLineParser", "Unknown option '%1'.");
    // Taken out again, so that the next row starts from English.
    removeTranslations();
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

class StoreErrors : public testing::StoreTest {
protected:
    template <typename Step>
    static std::string toldInGerman(Step step)
    {
        installProgramTranslations(*QCoreApplication::instance(), QLocale(QLocale::German, QLocale::Germany));
        std::string told;
        try {
            step();
        } catch (const std::exception& error) {
            told = translatedError(error);
        }
        removeTranslations();
        return told;
    }
};

TEST_F(StoreErrors, AreToldInTheUsersLanguageWithTheirPartsTranslatedToo)
{
    EXPECT_EQ(toldInGerman([&] { store.addAlarm("09:00am", "06/11/2026", "Tea^", "", amMessageOnly); }),
              "Die Alarmmeldung darf das Zeichen \"^\" nicht enthalten.");
    fs.failAt(testing::FileStep::Open, EACCES);
    EXPECT_EQ(toldInGerman([&] { store.writeToDisk(); }), "Dateizugriff verweigert");
}

} // namespace
} // namespace klaxora
