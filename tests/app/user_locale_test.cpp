#include "app/user_locale.h"

#include "store/date_time_text.h"

#include <QDate>
#include <QTime>

#include <gtest/gtest.h>

#include <string>

namespace klaxora {
namespace {

// Qt's own dates and times in each locale are the oracle: what the user's settings write must match them
// and read back.
class UserLocale : public ::testing::TestWithParam<const char*> {
protected:
    const FormatSettings user = userFormatSettings(QLocale(QString::fromLatin1(GetParam())));
};

TEST_P(UserLocale, DatesWrittenLikeQtAndReadBack)
{
    const QLocale locale(QString::fromLatin1(GetParam()));
    for (const QDate date :
         {QDate(2026, 6, 15), QDate(2024, 2, 29), QDate(2026, 12, 31), QDate(2027, 1, 5)}) {
        const DateTime value = encodeDate(date.year(), date.month(), date.day());
        const std::string shortText = dateToStr(value, user);
        EXPECT_EQ(shortText, locale.toString(date, QLocale::ShortFormat).toStdString());
        EXPECT_EQ(formatDateTime(user.longDatePattern, value, user),
                  locale.toString(date, QLocale::LongFormat).toStdString());
        DateTime back = 0;
        EXPECT_TRUE(tryStrToDate(shortText, user, 2026, back)) << shortText;
        EXPECT_EQ(back, value) << shortText;
    }
}

TEST_P(UserLocale, TimesWrittenInTheUsersPatternsReadBack)
{
    const QLocale locale(QString::fromLatin1(GetParam()));
    for (const QTime time : {QTime(0, 0, 0), QTime(0, 5, 9), QTime(11, 59, 59), QTime(12, 0, 0),
                             QTime(12, 30, 1), QTime(19, 5, 9), QTime(23, 59, 59)}) {
        const DateTime value =
            encodeDate(2026, 6, 15) + encodeTime(time.hour(), time.minute(), time.second(), 0);
        const std::string shortText = formatDateTime(user.shortTimePattern, value, user);
        EXPECT_EQ(shortText, locale.toString(time, QLocale::ShortFormat).toStdString());
        EXPECT_EQ(strToTime(shortText, user), encodeTime(time.hour(), time.minute(), 0, 0)) << shortText;
        const std::string longText = timeToStr(value, user);
        EXPECT_EQ(strToTime(longText, user), encodeTime(time.hour(), time.minute(), time.second(), 0))
            << longText;
        // A snooze writes the time with the user's long time pattern under the storage settings.
        const FormatSettings storage = storageFormatSettings(user);
        EXPECT_EQ(strToTime(timeToStr(value, storage), storage),
                  encodeTime(time.hour(), time.minute(), time.second(), 0));
        // The row text of the alarm list: storage-style 12-hour clock with the user's separator.
        const std::string rowText = formatDateTime("hh:nnam/pm", value, user);
        EXPECT_EQ(strToTime(rowText, user), encodeTime(time.hour(), time.minute(), 0, 0)) << rowText;
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, UserLocale, ::testing::Values("en_US", "en_GB", "de_DE", "ja_JP"),
                         [](const ::testing::TestParamInfo<const char*>& locale) {
                             return std::string(locale.param);
                         });

TEST(UserLocaleNames, MonthAndDayNamesStartWithJanuaryAndSunday)
{
    const FormatSettings german = userFormatSettings(QLocale(QStringLiteral("de_DE")));
    EXPECT_EQ(german.longMonthNames[0], "Januar");
    EXPECT_EQ(german.longMonthNames[11], "Dezember");
    EXPECT_EQ(german.longDayNames[0], "Sonntag");
    EXPECT_EQ(german.longDayNames[6], "Samstag");
    EXPECT_EQ(german.shortMonthNames[2], "März");
    const FormatSettings japanese = userFormatSettings(QLocale(QStringLiteral("ja_JP")));
    EXPECT_EQ(japanese.shortDayNames[1], "月");
}

TEST(UserLocaleOthers, TwelveHourClockAndSeparatorsOfOtherLocales)
{
    const FormatSettings korean = userFormatSettings(QLocale(QStringLiteral("ko_KR")));
    EXPECT_EQ(korean.shortTimePattern, "h:mm AMPM") << "the designator always follows";
    EXPECT_EQ(korean.timePmString, "오후");
    EXPECT_EQ(strToTime(timeToStr(encodeTime(19, 5, 9, 0), korean), korean), encodeTime(19, 5, 9, 0));

    const FormatSettings finnish = userFormatSettings(QLocale(QStringLiteral("fi_FI")));
    EXPECT_EQ(finnish.timeSeparator, ".");
    EXPECT_EQ(finnish.shortTimePattern, "h:mm");
    EXPECT_EQ(formatDateTime(finnish.shortTimePattern, encodeTime(7, 5, 0, 0), finnish), "7.05");

    const FormatSettings swedish = userFormatSettings(QLocale(QStringLiteral("sv_SE")));
    EXPECT_EQ(swedish.shortDatePattern, "yyyy-mm-dd");
    EXPECT_EQ(swedish.dateSeparator, "-");

    // Only a short date with month names: no separator to take, the usual one stands in.
    const FormatSettings plain = userFormatSettings(QLocale::c());
    EXPECT_EQ(plain.dateSeparator, "/");
}

TEST(UserLocaleOthers, LongDatesWithQuotedTextMatchQt)
{
    for (const char* name : {"es_ES", "pt_BR", "da_DK", "bg_BG", "hu_HU", "ko_KR", "he_IL", "ru_RU"}) {
        const QLocale locale{QString::fromLatin1(name)};
        const FormatSettings user = userFormatSettings(locale);
        const QDate date(2026, 6, 15);
        const DateTime value = encodeDate(2026, 6, 15);
        EXPECT_EQ(formatDateTime(user.longDatePattern, value, user),
                  locale.toString(date, QLocale::LongFormat).toStdString())
            << name << " " << user.longDatePattern;
        EXPECT_EQ(dateToStr(value, user), locale.toString(date, QLocale::ShortFormat).toStdString())
            << name << " " << user.shortDatePattern;
    }
}

TEST(UserLocaleOthers, SeparatorWithDirectionMarkStillReadsBack)
{
    // Arabic writes a right-to-left mark before each '/'; the program writes Western digits.
    const FormatSettings arabic = userFormatSettings(QLocale(QStringLiteral("ar_EG")));
    EXPECT_EQ(arabic.dateSeparator, "\u200F/");
    const std::string text = dateToStr(encodeDate(2026, 6, 15), arabic);
    EXPECT_EQ(text, "15\u200F/6\u200F/2026");
    EXPECT_EQ(strToDate(text, arabic, 2026), encodeDate(2026, 6, 15));
}

TEST(DatePatternFromQt, QuotesWhatTheProgramWouldReadAsFields)
{
    EXPECT_EQ(datePatternFromQt(QStringLiteral("M/d/yy"), "/"), "m/d/yy");
    EXPECT_EQ(datePatternFromQt(QStringLiteral("dd.MM.yy"), "."), "dd.mm.yy");
    EXPECT_EQ(datePatternFromQt(QStringLiteral("d 'de' MMMM 'de' yyyy"), "/"), "d \"de\" mmmm \"de\" yyyy");
    EXPECT_EQ(datePatternFromQt(QStringLiteral("dd/MM/yyyy"), "-"), "dd\"/\"mm\"/\"yyyy");
    EXPECT_EQ(datePatternFromQt(QStringLiteral("'It''s' d"), "/"), "\"It's\" d");
    EXPECT_EQ(datePatternFromQt(QStringLiteral("d '\"x\"' '' h:"), "/"), "d '\"'\"x\"'\"' \"'\" \"h:\"");
    EXPECT_EQ(datePatternFromQt(QStringLiteral("'open"), "/"), "\"open\"");
    // Translated literals format as written.
    EXPECT_EQ(formatDateTime(datePatternFromQt(QStringLiteral("d '\"x\"' '' h:"), "/"),
                             encodeDate(2026, 6, 5), FormatSettings{}),
              "5 \"x\" ' h:");
}

} // namespace
} // namespace klaxora
