#include "store/date_time_text.h"

#include <gtest/gtest.h>

namespace klaxora {
namespace {

const FormatSettings Storage{};

TDateTime At(int y, int mo, int d, int h, int mi, int s = 0, int ms = 0)
{
    return EncodeDate(y, mo, d) + EncodeTime(h, mi, s, ms);
}

FormatSettings German()
{
    FormatSettings de;
    de.ShortDatePattern = "dd.mm.yy";
    de.DateSeparator = ".";
    de.TimeSeparator = ":";
    de.LongDatePattern = "dddd, d. mmmm yyyy";
    de.ShortTimePattern = "hh:mm";
    de.LongTimePattern = "hh:mm:ss";
    de.LongMonthNames[5] = "Juni";
    de.LongDayNames[1] = "Montag";
    return de;
}

TEST(FormatDateTime, StorageTimePatternUsesTheTwelveHourClockInLowerCase)
{
    EXPECT_EQ(FormatDateTime("hh:mmam/pm", At(2026, 6, 15, 19, 5), Storage), "07:05pm");
    EXPECT_EQ(FormatDateTime("hh:mmam/pm", At(2026, 6, 15, 0, 0), Storage), "12:00am");
    EXPECT_EQ(FormatDateTime("hh:mmam/pm", At(2026, 6, 15, 11, 59, 59, 999), Storage), "11:59am");
    EXPECT_EQ(FormatDateTime("hh:nnam/pm", At(2026, 6, 15, 12, 7), Storage), "12:07pm");
    EXPECT_EQ(FormatDateTime("hh:mm:ssAM/PM", At(2026, 6, 15, 14, 5, 9), Storage), "02:05:09PM");
    EXPECT_EQ(FormatDateTime("h:nn a/p", At(2026, 6, 15, 14, 5), Storage), "2:05 p");
}

TEST(FormatDateTime, SeparatorsComeFromTheSettingsInForce)
{
    EXPECT_EQ(FormatDateTime("mm/dd/yyyy", At(2026, 6, 5, 19, 5), Storage), "06/05/2026");
    EXPECT_EQ(FormatDateTime("m/d/yy", EncodeDate(2009, 1, 2), Storage), "1/2/09");
    EXPECT_EQ(DateToStr(EncodeDate(2026, 12, 31), Storage), "12/31/2026");
    const FormatSettings de = German();
    EXPECT_EQ(DateToStr(EncodeDate(2026, 6, 5), de), "05.06.26");
    EXPECT_EQ(FormatDateTime("dd/mm/yyyy", EncodeDate(2026, 6, 5), de), "05.06.2026")
        << "'/' is the separator";
    EXPECT_EQ(FormatDateTime("d.m.yyyy", EncodeDate(2026, 6, 5), Storage), "5.6.2026");
    FormatSettings dots = de;
    dots.TimeSeparator = ".";
    EXPECT_EQ(FormatDateTime("hh:nnam/pm", At(2026, 6, 15, 19, 5), dots), "07.05pm") << "the row's time";
}

TEST(FormatDateTime, LongPatternsUseNamesAndTheSettingsDesignators)
{
    EXPECT_EQ(FormatDateTime("dddd, mmmm d, yyyy", EncodeDate(2026, 6, 15), Storage),
              "Monday, June 15, 2026");
    EXPECT_EQ(FormatDateTime("ddd d mmm yy", EncodeDate(2026, 6, 15), Storage), "Mon 15 Jun 26");
    EXPECT_EQ(FormatDateTime("dddd, d. mmmm yyyy", EncodeDate(2026, 6, 15), German()),
              "Montag, 15. Juni 2026");
    EXPECT_EQ(FormatDateTime("h:mm AMPM", At(2026, 6, 15, 0, 5), Storage), "12:05 AM");
    EXPECT_EQ(TimeToStr(At(2026, 6, 15, 19, 5, 9), Storage), "7:05:09 PM");
    FormatSettings japanese;
    japanese.TimeAMString = "午前";
    japanese.TimePMString = "午後";
    japanese.LongDatePattern = "yyyy年m月d日dddd";
    japanese.LongTimePattern = "h:mm:ss AMPM";
    EXPECT_EQ(TimeToStr(At(2026, 6, 15, 19, 5, 9), japanese), "7:05:09 午後");
    EXPECT_EQ(FormatDateTime("dddddd", EncodeDate(2026, 6, 15), japanese), "2026年6月15日Monday");
    EXPECT_EQ(TimeToStr(At(2026, 6, 15, 19, 5, 9), German()), "19:05:09") << "no designator, 24 hours";
}

TEST(FormatDateTime, MinutesOnlyDirectlyAfterAnHour)
{
    const TDateTime value = At(2026, 6, 15, 19, 5, 9);
    EXPECT_EQ(FormatDateTime("hh mm", value, Storage), "19 05");
    EXPECT_EQ(FormatDateTime("mm hh", value, Storage), "06 19");
    EXPECT_EQ(FormatDateTime("d mm", value, Storage), "15 06");
    EXPECT_EQ(FormatDateTime("n:s", value, Storage), "5:9");
    EXPECT_EQ(FormatDateTime("hh:mm, mmm", value, Storage), "19:05, Jun");
}

TEST(FormatDateTime, TwelveHourClockOnlyWithAMarkerBeforeTheNextHour)
{
    const TDateTime value = At(2026, 6, 15, 19, 5);
    EXPECT_EQ(FormatDateTime("hh \"am/pm\"", value, Storage), "19 am/pm") << "quoted marker is text";
    EXPECT_EQ(FormatDateTime("hh hh am/pm", value, Storage), "19 07 pm");
    EXPECT_EQ(FormatDateTime("am/pm hh", value, Storage), "pm 07");
    EXPECT_EQ(FormatDateTime("hh a", value, Storage), "19 a");
    EXPECT_EQ(FormatDateTime("hhh", value, Storage), "19");
}

TEST(FormatDateTime, LiteralsSeparatorsAndNesting)
{
    const TDateTime value = At(2026, 6, 15, 9, 5, 7, 45);
    EXPECT_EQ(FormatDateTime("'at' h 'o''clock'", value, Storage), "at 9 oclock");
    EXPECT_EQ(FormatDateTime("'unclosed", value, Storage), "unclosed");
    EXPECT_EQ(FormatDateTime("ddddd t", value, Storage), "06/15/2026 9:05 AM");
    EXPECT_EQ(FormatDateTime("tt", value, Storage), "9:05:07 AM");
    EXPECT_EQ(FormatDateTime("z zzz", value, Storage), "45 045");
    EXPECT_EQ(FormatDateTime("x-q_ä", value, Storage), "x-q_ä");
    EXPECT_EQ(FormatDateTime("", value, Storage), "");

    FormatSettings looping;
    looping.ShortDatePattern = "ddddd";
    EXPECT_EQ(FormatDateTime("ddddd", value, looping), "") << "a pattern naming itself ends";
}

TEST(FormatDateTime, RoundsToTheMillisecondThenCutsSeconds)
{
    const TDateTime day = EncodeDate(2026, 6, 15);
    EXPECT_EQ(FormatDateTime("mm/dd/yyyy hh:mm:ss", day + 86399.9996 / 86400, Storage),
              "06/16/2026 00:00:00");
    EXPECT_EQ(FormatDateTime("hh:mm:ss", day + 86399.9994 / 86400, Storage), "23:59:59");
    EXPECT_EQ(FormatDateTime("hh:mm:ss", day + 59.9 / 86400, Storage), "00:00:59");
}

} // namespace
} // namespace klaxora
