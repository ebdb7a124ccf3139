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
    const FormatSettings user = UserFormatSettings(QLocale(QString::fromLatin1(GetParam())));
};

TEST_P(UserLocale, DatesWrittenLikeQtAndReadBack)
{
    const QLocale locale(QString::fromLatin1(GetParam()));
    for (const QDate date :
         {QDate(2026, 6, 15), QDate(2024, 2, 29), QDate(2026, 12, 31), QDate(2027, 1, 5)}) {
        const TDateTime value = EncodeDate(date.year(), date.month(), date.day());
        const std::string shortText = DateToStr(value, user);
        EXPECT_EQ(shortText, locale.toString(date, QLocale::ShortFormat).toStdString());
        EXPECT_EQ(FormatDateTime(user.LongDatePattern, value, user),
                  locale.toString(date, QLocale::LongFormat).toStdString());
        TDateTime back = 0;
        EXPECT_TRUE(TryStrToDate(shortText, user, 2026, back)) << shortText;
        EXPECT_EQ(back, value) << shortText;
    }
}

TEST_P(UserLocale, TimesWrittenInTheUsersPatternsReadBack)
{
    const QLocale locale(QString::fromLatin1(GetParam()));
    for (const QTime time : {QTime(0, 0, 0), QTime(0, 5, 9), QTime(11, 59, 59), QTime(12, 0, 0),
                             QTime(12, 30, 1), QTime(19, 5, 9), QTime(23, 59, 59)}) {
        const TDateTime value =
            EncodeDate(2026, 6, 15) + EncodeTime(time.hour(), time.minute(), time.second(), 0);
        const std::string shortText = FormatDateTime(user.ShortTimePattern, value, user);
        EXPECT_EQ(shortText, locale.toString(time, QLocale::ShortFormat).toStdString());
        EXPECT_EQ(StrToTime(shortText, user), EncodeTime(time.hour(), time.minute(), 0, 0)) << shortText;
        const std::string longText = TimeToStr(value, user);
        EXPECT_EQ(StrToTime(longText, user), EncodeTime(time.hour(), time.minute(), time.second(), 0))
            << longText;
        // A snooze writes the time with the user's long time pattern under the storage settings.
        const FormatSettings storage = StorageFormatSettings(user);
        EXPECT_EQ(StrToTime(TimeToStr(value, storage), storage),
                  EncodeTime(time.hour(), time.minute(), time.second(), 0));
        // The row text of the alarm list: storage-style 12-hour clock with the user's separator.
        const std::string rowText = FormatDateTime("hh:nnam/pm", value, user);
        EXPECT_EQ(StrToTime(rowText, user), EncodeTime(time.hour(), time.minute(), 0, 0)) << rowText;
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, UserLocale, ::testing::Values("en_US", "en_GB", "de_DE", "ja_JP"),
                         [](const ::testing::TestParamInfo<const char*>& locale) {
                             return std::string(locale.param);
                         });

TEST(UserLocaleNames, MonthAndDayNamesStartWithJanuaryAndSunday)
{
    const FormatSettings german = UserFormatSettings(QLocale(QStringLiteral("de_DE")));
    EXPECT_EQ(german.LongMonthNames[0], "Januar");
    EXPECT_EQ(german.LongMonthNames[11], "Dezember");
    EXPECT_EQ(german.LongDayNames[0], "Sonntag");
    EXPECT_EQ(german.LongDayNames[6], "Samstag");
    EXPECT_EQ(german.ShortMonthNames[2], "März");
    const FormatSettings japanese = UserFormatSettings(QLocale(QStringLiteral("ja_JP")));
    EXPECT_EQ(japanese.ShortDayNames[1], "月");
}

TEST(UserLocaleOthers, TwelveHourClockAndSeparatorsOfOtherLocales)
{
    const FormatSettings korean = UserFormatSettings(QLocale(QStringLiteral("ko_KR")));
    EXPECT_EQ(korean.ShortTimePattern, "h:mm AMPM") << "the designator always follows";
    EXPECT_EQ(korean.TimePMString, "오후");
    EXPECT_EQ(StrToTime(TimeToStr(EncodeTime(19, 5, 9, 0), korean), korean), EncodeTime(19, 5, 9, 0));

    const FormatSettings finnish = UserFormatSettings(QLocale(QStringLiteral("fi_FI")));
    EXPECT_EQ(finnish.TimeSeparator, ".");
    EXPECT_EQ(finnish.ShortTimePattern, "h:mm");
    EXPECT_EQ(FormatDateTime(finnish.ShortTimePattern, EncodeTime(7, 5, 0, 0), finnish), "7.05");

    const FormatSettings swedish = UserFormatSettings(QLocale(QStringLiteral("sv_SE")));
    EXPECT_EQ(swedish.ShortDatePattern, "yyyy-mm-dd");
    EXPECT_EQ(swedish.DateSeparator, "-");

    // Only a short date with month names: no separator to take, the usual one stands in.
    const FormatSettings plain = UserFormatSettings(QLocale::c());
    EXPECT_EQ(plain.DateSeparator, "/");
}

TEST(UserLocaleOthers, LongDatesWithQuotedTextMatchQt)
{
    for (const char* name : {"es_ES", "pt_BR", "da_DK", "bg_BG", "hu_HU", "ko_KR", "he_IL", "ru_RU"}) {
        const QLocale locale{QString::fromLatin1(name)};
        const FormatSettings user = UserFormatSettings(locale);
        const QDate date(2026, 6, 15);
        const TDateTime value = EncodeDate(2026, 6, 15);
        EXPECT_EQ(FormatDateTime(user.LongDatePattern, value, user),
                  locale.toString(date, QLocale::LongFormat).toStdString())
            << name << " " << user.LongDatePattern;
        EXPECT_EQ(DateToStr(value, user), locale.toString(date, QLocale::ShortFormat).toStdString())
            << name << " " << user.ShortDatePattern;
    }
}

TEST(UserLocaleOthers, SeparatorWithDirectionMarkStillReadsBack)
{
    // Arabic writes a right-to-left mark before each '/'; the program writes Western digits.
    const FormatSettings arabic = UserFormatSettings(QLocale(QStringLiteral("ar_EG")));
    EXPECT_EQ(arabic.DateSeparator, "\u200F/");
    const std::string text = DateToStr(EncodeDate(2026, 6, 15), arabic);
    EXPECT_EQ(text, "15\u200F/6\u200F/2026");
    EXPECT_EQ(StrToDate(text, arabic, 2026), EncodeDate(2026, 6, 15));
}

TEST(DatePatternFromQt, QuotesWhatTheProgramWouldReadAsFields)
{
    EXPECT_EQ(DatePatternFromQt(QStringLiteral("M/d/yy"), "/"), "m/d/yy");
    EXPECT_EQ(DatePatternFromQt(QStringLiteral("dd.MM.yy"), "."), "dd.mm.yy");
    EXPECT_EQ(DatePatternFromQt(QStringLiteral("d 'de' MMMM 'de' yyyy"), "/"), "d \"de\" mmmm \"de\" yyyy");
    EXPECT_EQ(DatePatternFromQt(QStringLiteral("dd/MM/yyyy"), "-"), "dd\"/\"mm\"/\"yyyy");
    EXPECT_EQ(DatePatternFromQt(QStringLiteral("'It''s' d"), "/"), "\"It's\" d");
    EXPECT_EQ(DatePatternFromQt(QStringLiteral("d '\"x\"' '' h:"), "/"), "d '\"'\"x\"'\"' \"'\" \"h:\"");
    EXPECT_EQ(DatePatternFromQt(QStringLiteral("'open"), "/"), "\"open\"");
    // Translated literals format as written.
    EXPECT_EQ(FormatDateTime(DatePatternFromQt(QStringLiteral("d '\"x\"' '' h:"), "/"),
                             EncodeDate(2026, 6, 5), FormatSettings{}),
              "5 \"x\" ' h:");
}

} // namespace
} // namespace klaxora
