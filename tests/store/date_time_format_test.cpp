#include "store/date_time_text.h"

#include <gtest/gtest.h>

namespace klaxora {
namespace {

const FormatSettings Storage{};

DateTime at(int y, int mo, int d, int h, int mi, int s = 0, int ms = 0)
{
    return encodeDate(y, mo, d) + encodeTime(h, mi, s, ms);
}

FormatSettings german()
{
    FormatSettings de;
    de.shortDatePattern = "dd.mm.yy";
    de.dateSeparator = ".";
    de.timeSeparator = ":";
    de.longDatePattern = "dddd, d. mmmm yyyy";
    de.shortTimePattern = "hh:mm";
    de.longTimePattern = "hh:mm:ss";
    de.longMonthNames[5] = "Juni";
    de.longDayNames[1] = "Montag";
    return de;
}

TEST(FormatDateTime, StorageTimePatternUsesTheTwelveHourClockInLowerCase)
{
    EXPECT_EQ(formatDateTime("hh:mmam/pm", at(2026, 6, 15, 19, 5), Storage), "07:05pm");
    EXPECT_EQ(formatDateTime("hh:mmam/pm", at(2026, 6, 15, 0, 0), Storage), "12:00am");
    EXPECT_EQ(formatDateTime("hh:mmam/pm", at(2026, 6, 15, 11, 59, 59, 999), Storage), "11:59am");
    EXPECT_EQ(formatDateTime("hh:nnam/pm", at(2026, 6, 15, 12, 7), Storage), "12:07pm");
    EXPECT_EQ(formatDateTime("hh:mm:ssAM/PM", at(2026, 6, 15, 14, 5, 9), Storage), "02:05:09PM");
    EXPECT_EQ(formatDateTime("h:nn a/p", at(2026, 6, 15, 14, 5), Storage), "2:05 p");
}

TEST(FormatDateTime, SeparatorsComeFromTheSettingsInForce)
{
    EXPECT_EQ(formatDateTime("mm/dd/yyyy", at(2026, 6, 5, 19, 5), Storage), "06/05/2026");
    EXPECT_EQ(formatDateTime("m/d/yy", encodeDate(2009, 1, 2), Storage), "1/2/09");
    EXPECT_EQ(dateToStr(encodeDate(2026, 12, 31), Storage), "12/31/2026");
    const FormatSettings de = german();
    EXPECT_EQ(dateToStr(encodeDate(2026, 6, 5), de), "05.06.26");
    EXPECT_EQ(formatDateTime("dd/mm/yyyy", encodeDate(2026, 6, 5), de), "05.06.2026")
        << "'/' is the separator";
    EXPECT_EQ(formatDateTime("d.m.yyyy", encodeDate(2026, 6, 5), Storage), "5.6.2026");
    FormatSettings dots = de;
    dots.timeSeparator = ".";
    EXPECT_EQ(formatDateTime("hh:nnam/pm", at(2026, 6, 15, 19, 5), dots), "07.05pm") << "the row's time";
}

TEST(FormatDateTime, LongPatternsUseNamesAndTheSettingsDesignators)
{
    EXPECT_EQ(formatDateTime("dddd, mmmm d, yyyy", encodeDate(2026, 6, 15), Storage),
              "Monday, June 15, 2026");
    EXPECT_EQ(formatDateTime("ddd d mmm yy", encodeDate(2026, 6, 15), Storage), "Mon 15 Jun 26");
    EXPECT_EQ(formatDateTime("dddd, d. mmmm yyyy", encodeDate(2026, 6, 15), german()),
              "Montag, 15. Juni 2026");
    EXPECT_EQ(formatDateTime("h:mm AMPM", at(2026, 6, 15, 0, 5), Storage), "12:05 AM");
    EXPECT_EQ(timeToStr(at(2026, 6, 15, 19, 5, 9), Storage), "7:05:09 PM");
    FormatSettings japanese;
    japanese.timeAmString = "午前";
    japanese.timePmString = "午後";
    japanese.longDatePattern = "yyyy年m月d日dddd";
    japanese.longTimePattern = "h:mm:ss AMPM";
    EXPECT_EQ(timeToStr(at(2026, 6, 15, 19, 5, 9), japanese), "7:05:09 午後");
    EXPECT_EQ(formatDateTime("dddddd", encodeDate(2026, 6, 15), japanese), "2026年6月15日Monday");
    EXPECT_EQ(timeToStr(at(2026, 6, 15, 19, 5, 9), german()), "19:05:09") << "no designator, 24 hours";
}

TEST(FormatDateTime, MinutesOnlyDirectlyAfterAnHour)
{
    const DateTime value = at(2026, 6, 15, 19, 5, 9);
    EXPECT_EQ(formatDateTime("hh mm", value, Storage), "19 05");
    EXPECT_EQ(formatDateTime("mm hh", value, Storage), "06 19");
    EXPECT_EQ(formatDateTime("d mm", value, Storage), "15 06");
    EXPECT_EQ(formatDateTime("n:s", value, Storage), "5:9");
    EXPECT_EQ(formatDateTime("hh:mm, mmm", value, Storage), "19:05, Jun");
}

TEST(FormatDateTime, TwelveHourClockOnlyWithAMarkerBeforeTheNextHour)
{
    const DateTime value = at(2026, 6, 15, 19, 5);
    EXPECT_EQ(formatDateTime("hh \"am/pm\"", value, Storage), "19 am/pm") << "quoted marker is text";
    EXPECT_EQ(formatDateTime("hh hh am/pm", value, Storage), "19 07 pm");
    EXPECT_EQ(formatDateTime("am/pm hh", value, Storage), "pm 07");
    EXPECT_EQ(formatDateTime("hh a", value, Storage), "19 a");
    EXPECT_EQ(formatDateTime("hhh", value, Storage), "19");
}

TEST(FormatDateTime, LiteralsSeparatorsAndNesting)
{
    const DateTime value = at(2026, 6, 15, 9, 5, 7, 45);
    EXPECT_EQ(formatDateTime("'at' h 'o''clock'", value, Storage), "at 9 oclock");
    EXPECT_EQ(formatDateTime("'unclosed", value, Storage), "unclosed");
    EXPECT_EQ(formatDateTime("ddddd t", value, Storage), "06/15/2026 9:05 AM");
    EXPECT_EQ(formatDateTime("tt", value, Storage), "9:05:07 AM");
    EXPECT_EQ(formatDateTime("z zzz", value, Storage), "45 045");
    EXPECT_EQ(formatDateTime("x-q_ä", value, Storage), "x-q_ä");
    EXPECT_EQ(formatDateTime("", value, Storage), "");

    FormatSettings looping;
    looping.shortDatePattern = "ddddd";
    EXPECT_EQ(formatDateTime("ddddd", value, looping), "") << "a pattern naming itself ends";
}

TEST(FormatDateTime, RoundsToTheMillisecondThenCutsSeconds)
{
    const DateTime day = encodeDate(2026, 6, 15);
    EXPECT_EQ(formatDateTime("mm/dd/yyyy hh:mm:ss", day + 86399.9996 / 86400, Storage),
              "06/16/2026 00:00:00");
    EXPECT_EQ(formatDateTime("hh:mm:ss", day + 86399.9994 / 86400, Storage), "23:59:59");
    EXPECT_EQ(formatDateTime("hh:mm:ss", day + 59.9 / 86400, Storage), "00:00:59");
}

} // namespace
} // namespace klaxora
