#include "store/date_time_text.h"
#include "store/text_helpers.h"

#include <gtest/gtest.h>

namespace klaxora {
namespace {

const FormatSettings Storage{};

TDateTime Hms(int h, int m, int s)
{
    return EncodeTime(h, m, s, 0);
}

FormatSettings DayMonthYearWithDots()
{
    FormatSettings user;
    user.ShortDatePattern = "dd.mm.yyyy";
    user.DateSeparator = ".";
    user.TimeSeparator = ".";
    user.TimeAMString = "vorm.";
    user.TimePMString = "nachm.";
    return user;
}

std::string ErrorText(void (*convert)())
{
    try {
        convert();
    } catch (const ConversionError& e) {
        return e.what();
    }
    return "no error";
}

TEST(StrToTime, AcceptsTheWrittenFormsOfATimeAndTwelveStartsEachHalfDay)
{
    EXPECT_EQ(StrToTime("7:30 pm", Storage), Hms(19, 30, 0));
    EXPECT_EQ(StrToTime("19:30", Storage), Hms(19, 30, 0));
    EXPECT_EQ(StrToTime("7:30:15pm", Storage), Hms(19, 30, 15));
    EXPECT_EQ(StrToTime("9 PM", Storage), Hms(21, 0, 0));
    EXPECT_EQ(StrToTime("  7 :  30 :  15   aM  ", Storage), Hms(7, 30, 15));
    EXPECT_EQ(StrToTime("007:030", Storage), Hms(7, 30, 0));
    EXPECT_EQ(StrToTime("12:00pm", Storage), Hms(12, 0, 0));
    EXPECT_EQ(StrToTime("12:30 AM", Storage), Hms(0, 30, 0));
    EXPECT_EQ(StrToTime("11:59:59 PM", Storage), Hms(23, 59, 59));
}

TEST(StrToTime, RefusesMalformedAndOutOfRangeTimes)
{
    for (const char* text :
         {"",           "   ",      "7.30pm", "13:00pm", "7:30pm!", "0:30 AM", "0 pm",      "24:00",
          "23:60",      "23:59:60", "7:",     "7::30",   "7:30:",   ":30",     "pm",        "7 30",
          "7:30 pm pm", "7:30 p",   "-7:30",  "+7:30",   "10000",   "7:30 \t", "7:30 noon", "1000:00"}) {
        TDateTime result = -1;
        EXPECT_FALSE(TryStrToTime(text, Storage, result)) << '"' << text << '"';
        EXPECT_EQ(result, -1) << "a failed conversion leaves the result alone";
    }
    EXPECT_EQ(ErrorText([] { StrToTime(" 7.30pm ", Storage); }), "' 7.30pm ' is not a valid time");
}

TEST(StrToTime, UsesTheSeparatorAndDesignatorsInForceAndStillKnowsAmPm)
{
    const FormatSettings user = DayMonthYearWithDots();
    EXPECT_EQ(StrToTime("7.30 nachm.", user), Hms(19, 30, 0));
    EXPECT_EQ(StrToTime("7.30 VORM.", user), Hms(7, 30, 0));
    EXPECT_EQ(StrToTime("7.30pm", user), Hms(19, 30, 0));
    EXPECT_FALSE(IsValidTimeText("7:30", user));

    FormatSettings japanese;
    japanese.TimeAMString = "午前";
    japanese.TimePMString = "午後";
    EXPECT_EQ(StrToTime("7:30 午後", japanese), Hms(19, 30, 0));
    EXPECT_EQ(StrToTime("12:00午前", japanese), 0.0);
    EXPECT_EQ(StrToTime("7:30 pm", japanese), Hms(19, 30, 0));
    EXPECT_FALSE(IsValidTimeText("7:30 午", japanese));

    // Empty designators, as some 24-hour locales have, must not match everything.
    FormatSettings none;
    none.TimeAMString.clear();
    none.TimePMString.clear();
    EXPECT_EQ(StrToTime("13:00", none), Hms(13, 0, 0));
    EXPECT_EQ(StrToTime("1:00 PM", none), Hms(13, 0, 0));
}

TEST(StrToDate, ReadsMonthDayYearWithStorageSettings)
{
    EXPECT_EQ(StrToDate("6/15/26", Storage, 2025), EncodeDate(2026, 6, 15));
    EXPECT_EQ(StrToDate(" 6 / 15 / 2026 / ", Storage, 2025), EncodeDate(2026, 6, 15));
    EXPECT_EQ(StrToDate("6/15", Storage, 2027), EncodeDate(2027, 6, 15));
    EXPECT_EQ(StrToDate("2/29/2024", Storage, 2025), EncodeDate(2024, 2, 29));
    EXPECT_EQ(StrToDate("1/1/1", Storage, 2025), EncodeDate(2001, 1, 1))
        << "years below 100 take the century";
    EXPECT_EQ(StrToDate("1/1/100", Storage, 2025), EncodeDate(100, 1, 1));
}

TEST(StrToDate, FollowsTheOrderOfTheShortDatePattern)
{
    FormatSettings dmy = DayMonthYearWithDots();
    EXPECT_EQ(StrToDate("15.06.2026", dmy, 2025), EncodeDate(2026, 6, 15));
    EXPECT_EQ(StrToDate("15.6", dmy, 2026), EncodeDate(2026, 6, 15));
    EXPECT_EQ(StrToDate("15.6.2026.", dmy, 2026), EncodeDate(2026, 6, 15));
    EXPECT_FALSE(IsValidDateText("06/15/2026", dmy, 2026));

    FormatSettings ymd;
    ymd.ShortDatePattern = "yyyy/MM/dd";
    EXPECT_EQ(StrToDate("2026/06/15", ymd, 2025), EncodeDate(2026, 6, 15));
    EXPECT_EQ(StrToDate("6/15", ymd, 2026), EncodeDate(2026, 6, 15)) << "two parts are month then day";
    EXPECT_EQ(StrToDate("26/6/15", ymd, 2025), EncodeDate(2026, 6, 15));

    // Quoted text and other letters before the first of d, m and y do not decide the order.
    FormatSettings quoted;
    quoted.ShortDatePattern = "'Week' d/m/yy";
    EXPECT_EQ(StrToDate("15/6/26", quoted, 2025), EncodeDate(2026, 6, 15));
    FormatSettings noLetters;
    noLetters.ShortDatePattern = "";
    EXPECT_EQ(StrToDate("6/15/26", noLetters, 2025), EncodeDate(2026, 6, 15));
}

TEST(StrToDate, RefusesMalformedAndImpossibleDates)
{
    for (const char* text :
         {"", "6", "6/", "6/15/" /* a third part is then required */, "/15/2026", "6/15/2026/1",
          "6/15/2026//", "6-15-2026", "2/29/2026", "2/30/2024", "4/31/2026", "13/1/2026", "0/1/2026",
          "1/0/2026", "6/15/10000", "6/15/2026 x", "6/15/20260", "6/15/2026 7:30"}) {
        TDateTime result = -1;
        EXPECT_FALSE(TryStrToDate(text, Storage, 2026, result)) << '"' << text << '"';
        EXPECT_EQ(result, -1);
    }
    EXPECT_EQ(ErrorText([] { StrToDate("2/30/2024", Storage, 2026); }), "'2/30/2024' is not a valid date");
}

TEST(StrToInt, ReadsSignedDecimalAndDollarHexAndRefusesAnythingElseIncludingOverflow)
{
    EXPECT_EQ(StrToInt("  -42"), -42);
    EXPECT_EQ(StrToInt("+007"), 7);
    EXPECT_EQ(StrToInt("$ff"), 255);
    EXPECT_EQ(StrToInt("-$10"), -16);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(StrToInt("$7FFFFFFF"), 2147483647);
    for (const char* text : {"", " ", "-", "$", "3 ", "3x", "0x10", "1F", "$G", "--3", "2147483648",
                             "-2147483649", "$80000000", "99999999999999999999", "\t3", "3.0"}) {
        EXPECT_THROW(StrToInt(text), ConversionError) << '"' << text << '"';
    }
    EXPECT_EQ(ErrorText([] { StrToInt("x3"); }), "'x3' is not a valid integer value");
}

} // namespace
} // namespace klaxora
