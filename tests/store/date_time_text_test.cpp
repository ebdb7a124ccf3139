#include "store/date_time_text.h"
#include "store/text_helpers.h"

#include <gtest/gtest.h>

namespace klaxora {
namespace {

const FormatSettings Storage{};

DateTime hms(int h, int m, int s)
{
    return encodeTime(h, m, s, 0);
}

FormatSettings dayMonthYearWithDots()
{
    FormatSettings user;
    user.shortDatePattern = "dd.mm.yyyy";
    user.dateSeparator = ".";
    user.timeSeparator = ".";
    user.timeAmString = "vorm.";
    user.timePmString = "nachm.";
    return user;
}

std::string errorText(void (*convert)())
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
    EXPECT_EQ(strToTime("7:30 pm", Storage), hms(19, 30, 0));
    EXPECT_EQ(strToTime("19:30", Storage), hms(19, 30, 0));
    EXPECT_EQ(strToTime("7:30:15pm", Storage), hms(19, 30, 15));
    EXPECT_EQ(strToTime("9 PM", Storage), hms(21, 0, 0));
    EXPECT_EQ(strToTime("  7 :  30 :  15   aM  ", Storage), hms(7, 30, 15));
    EXPECT_EQ(strToTime("007:030", Storage), hms(7, 30, 0));
    EXPECT_EQ(strToTime("12:00pm", Storage), hms(12, 0, 0));
    EXPECT_EQ(strToTime("12:30 AM", Storage), hms(0, 30, 0));
    EXPECT_EQ(strToTime("11:59:59 PM", Storage), hms(23, 59, 59));
}

TEST(StrToTime, RefusesMalformedAndOutOfRangeTimes)
{
    for (const char* text :
         {"",           "   ",      "7.30pm", "13:00pm", "7:30pm!", "0:30 AM", "0 pm",      "24:00",
          "23:60",      "23:59:60", "7:",     "7::30",   "7:30:",   ":30",     "pm",        "7 30",
          "7:30 pm pm", "7:30 p",   "-7:30",  "+7:30",   "10000",   "7:30 \t", "7:30 noon", "1000:00"}) {
        DateTime result = -1;
        EXPECT_FALSE(tryStrToTime(text, Storage, result)) << '"' << text << '"';
        EXPECT_EQ(result, -1) << "a failed conversion leaves the result alone";
    }
    EXPECT_EQ(errorText([] { strToTime(" 7.30pm ", Storage); }), "' 7.30pm ' is not a valid time");
}

TEST(StrToTime, UsesTheSeparatorAndDesignatorsInForceAndStillKnowsAmPm)
{
    const FormatSettings user = dayMonthYearWithDots();
    EXPECT_EQ(strToTime("7.30 nachm.", user), hms(19, 30, 0));
    EXPECT_EQ(strToTime("7.30 VORM.", user), hms(7, 30, 0));
    EXPECT_EQ(strToTime("7.30pm", user), hms(19, 30, 0));
    EXPECT_FALSE(isValidTimeText("7:30", user));

    FormatSettings japanese;
    japanese.timeAmString = "午前";
    japanese.timePmString = "午後";
    EXPECT_EQ(strToTime("7:30 午後", japanese), hms(19, 30, 0));
    EXPECT_EQ(strToTime("12:00午前", japanese), 0.0);
    EXPECT_EQ(strToTime("7:30 pm", japanese), hms(19, 30, 0));
    EXPECT_FALSE(isValidTimeText("7:30 午", japanese));

    // Empty designators, as some 24-hour locales have, must not match everything.
    FormatSettings none;
    none.timeAmString.clear();
    none.timePmString.clear();
    EXPECT_EQ(strToTime("13:00", none), hms(13, 0, 0));
    EXPECT_EQ(strToTime("1:00 PM", none), hms(13, 0, 0));
}

TEST(StrToDate, ReadsMonthDayYearWithStorageSettings)
{
    EXPECT_EQ(strToDate("6/15/26", Storage, 2025), encodeDate(2026, 6, 15));
    EXPECT_EQ(strToDate(" 6 / 15 / 2026 / ", Storage, 2025), encodeDate(2026, 6, 15));
    EXPECT_EQ(strToDate("6/15", Storage, 2027), encodeDate(2027, 6, 15));
    EXPECT_EQ(strToDate("2/29/2024", Storage, 2025), encodeDate(2024, 2, 29));
    EXPECT_EQ(strToDate("1/1/1", Storage, 2025), encodeDate(2001, 1, 1))
        << "years below 100 take the century";
    EXPECT_EQ(strToDate("1/1/100", Storage, 2025), encodeDate(100, 1, 1));
}

TEST(StrToDate, FollowsTheOrderOfTheShortDatePattern)
{
    FormatSettings dmy = dayMonthYearWithDots();
    EXPECT_EQ(strToDate("15.06.2026", dmy, 2025), encodeDate(2026, 6, 15));
    EXPECT_EQ(strToDate("15.6", dmy, 2026), encodeDate(2026, 6, 15));
    EXPECT_EQ(strToDate("15.6.2026.", dmy, 2026), encodeDate(2026, 6, 15));
    EXPECT_FALSE(isValidDateText("06/15/2026", dmy, 2026));

    FormatSettings ymd;
    ymd.shortDatePattern = "yyyy/MM/dd";
    EXPECT_EQ(strToDate("2026/06/15", ymd, 2025), encodeDate(2026, 6, 15));
    EXPECT_EQ(strToDate("6/15", ymd, 2026), encodeDate(2026, 6, 15)) << "two parts are month then day";
    EXPECT_EQ(strToDate("26/6/15", ymd, 2025), encodeDate(2026, 6, 15));

    // Quoted text and other letters before the first of d, m and y do not decide the order.
    FormatSettings quoted;
    quoted.shortDatePattern = "'Week' d/m/yy";
    EXPECT_EQ(strToDate("15/6/26", quoted, 2025), encodeDate(2026, 6, 15));
    FormatSettings noLetters;
    noLetters.shortDatePattern = "";
    EXPECT_EQ(strToDate("6/15/26", noLetters, 2025), encodeDate(2026, 6, 15));
}

TEST(StrToDate, RefusesMalformedAndImpossibleDates)
{
    for (const char* text :
         {"", "6", "6/", "6/15/" /* a third part is then required */, "/15/2026", "6/15/2026/1",
          "6/15/2026//", "6-15-2026", "2/29/2026", "2/30/2024", "4/31/2026", "13/1/2026", "0/1/2026",
          "1/0/2026", "6/15/10000", "6/15/2026 x", "6/15/20260", "6/15/2026 7:30"}) {
        DateTime result = -1;
        EXPECT_FALSE(tryStrToDate(text, Storage, 2026, result)) << '"' << text << '"';
        EXPECT_EQ(result, -1);
    }
    EXPECT_EQ(errorText([] { strToDate("2/30/2024", Storage, 2026); }), "'2/30/2024' is not a valid date");
}

TEST(StrToInt, ReadsSignedDecimalAndDollarHexAndRefusesAnythingElseIncludingOverflow)
{
    EXPECT_EQ(strToInt("  -42"), -42);
    EXPECT_EQ(strToInt("+007"), 7);
    EXPECT_EQ(strToInt("$ff"), 255);
    EXPECT_EQ(strToInt("-$10"), -16);
    EXPECT_EQ(strToInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(strToInt("$7FFFFFFF"), 2147483647);
    for (const char* text : {"", " ", "-", "$", "3 ", "3x", "0x10", "1F", "$G", "--3", "2147483648",
                             "-2147483649", "$80000000", "99999999999999999999", "\t3", "3.0"}) {
        EXPECT_THROW(strToInt(text), ConversionError) << '"' << text << '"';
    }
    EXPECT_EQ(errorText([] { strToInt("x3"); }), "'x3' is not a valid integer value");
}

} // namespace
} // namespace klaxora
