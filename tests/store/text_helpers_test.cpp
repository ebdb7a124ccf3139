#include "store/text_helpers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <limits>

namespace klaxora {
namespace {

TEST(ExtractField, SplitsAtEverySeparatorAndEmptyOrMissingFieldsAreEmpty)
{
    const std::string line = "07:05pm^Call the garage^^3^06/15/2026^C:\\RING.WAV^0";
    EXPECT_EQ(ExtractField(line, '^', 1), "07:05pm");
    EXPECT_EQ(ExtractField(line, '^', 3), "");
    EXPECT_EQ(ExtractField(line, '^', 6), "C:\\RING.WAV");
    EXPECT_EQ(ExtractField(line, '^', 7), "0");
    EXPECT_EQ(ExtractField(line, '^', 8), "");
    EXPECT_EQ(ExtractField("a^b^c^d^e^f^g^extra", '^', 7), "g");
    EXPECT_EQ(ExtractField("Tea^Milk^", '^', 3), "") << "the field after a final separator";
    EXPECT_EQ(ExtractField("^Milk", '^', 1), "");
    EXPECT_EQ(ExtractField("Tea^Milk", '^', 0), "");
    EXPECT_EQ(ExtractField("Tea^Milk", '^', -1), "");
    EXPECT_EQ(ExtractField("Tea^Milk", '^', INT_MAX), "");
    EXPECT_EQ(ExtractField("", '^', 1), "");
    EXPECT_EQ(ExtractField("^^^", '^', 4), "");
    EXPECT_EQ(ExtractField("^^^", '^', 5), "");
    EXPECT_EQ(ExtractField("Tee ☕^Grüße^", '^', 2), "Grüße");
    const std::string longMessage(300, 'm');
    EXPECT_EQ(ExtractField("x^" + longMessage + "^y", '^', 2), longMessage);
}

TEST(TrimSpaces, RemovesOnlySpaceCharacters)
{
    EXPECT_EQ(TrimSpaces("  Tea  "), "Tea");
    EXPECT_EQ(TrimSpaces("\tTea"), "\tTea");
    EXPECT_EQ(TrimSpaces("Tea\r\n "), "Tea\r\n");
    EXPECT_EQ(TrimSpaces("   "), "");
    EXPECT_EQ(TrimSpaces(""), "");
    EXPECT_EQ(TrimSpaces(" a b "), "a b");
    EXPECT_EQ(TrimLeadingSpaces("  Tea  "), "Tea  ");
    EXPECT_EQ(TrimTrailingSpaces("  Tea  "), "  Tea");
    EXPECT_EQ(TrimLeadingSpaces("   "), "");
    EXPECT_EQ(TrimTrailingSpaces("   "), "");
    EXPECT_EQ(TrimTrailingSpaces("Tea\t"), "Tea\t");
}

class MinuteArithmetic : public ::testing::Test {
protected:
    const TDateTime day = EncodeDate(2026, 6, 15);
    const TDateTime tenOClock = day + EncodeTime(10, 0, 0, 0);
    FormatSettings settings; // the long time pattern "h:mm:ss AMPM"

    ClockTime Clock(TDateTime value) { return DecodeTime(value); }
    TDateTime Step(int minutes, int h, int m)
    {
        return AddMinutesToTimeOfDay(minutes, EncodeTime(h, m, 0, 0), day, settings);
    }
};

TEST_F(MinuteArithmetic, AddMinutesUsesTheLongMinuteToTheMillisecond)
{
    EXPECT_EQ(Clock(AddMinutes(-60, tenOClock)), (ClockTime{8, 59, 59, 997}));
    EXPECT_EQ(Clock(AddMinutes(-20, tenOClock)), (ClockTime{9, 39, 59, 999}));
    EXPECT_EQ(Clock(AddMinutes(-5, tenOClock)), (ClockTime{9, 55, 0, 0}));
    EXPECT_EQ(Clock(AddMinutes(5, tenOClock)), (ClockTime{10, 5, 0, 0}));
    EXPECT_EQ(Clock(AddMinutes(-1440, tenOClock)), (ClockTime{9, 59, 59, 931}));
    EXPECT_EQ(DateOf(AddMinutes(-1440, tenOClock)), day - 1);
    EXPECT_NEAR(AddMinutes(1440, day) - day, 1.0000008, 1e-10);
    EXPECT_NEAR(AddMinutes(10080, tenOClock) - tenOClock, 7.0000056, 1e-10);
    EXPECT_EQ(AddMinutes(0, tenOClock), tenOClock);
    // Never below zero, whatever it is given.
    EXPECT_EQ(AddMinutes(-10, 0.003), 0.0);
    EXPECT_EQ(AddMinutes(INT32_MIN, tenOClock), 0.0);
    EXPECT_GT(AddMinutes(INT32_MAX, tenOClock), 1.4e6);
    EXPECT_EQ(AddMinutes(1, std::numeric_limits<double>::quiet_NaN()), 0.0);
    EXPECT_EQ(AddMinutes(1, -std::numeric_limits<double>::infinity()), 0.0);
    EXPECT_DOUBLE_EQ(MinutesToDays(-30), -30 * 0.000694445);
    EXPECT_DOUBLE_EQ(MinutesToDays(1440), 1.0000008);
}

TEST_F(MinuteArithmetic, TimeOfDayStepsWrapAndDropTheSeconds)
{
    EXPECT_EQ(Step(30, 23, 45), EncodeTime(0, 15, 0, 0));
    EXPECT_EQ(Step(1, 10, 0), EncodeTime(10, 1, 0, 0));
    EXPECT_EQ(Step(-1, 10, 0), EncodeTime(9, 59, 0, 0));
    EXPECT_EQ(Step(-59, 10, 0), EncodeTime(9, 0, 59, 0));
    EXPECT_EQ(Step(-60, 10, 0), EncodeTime(8, 59, 59, 0)) << "why the hours-down step is -59";
    EXPECT_EQ(Step(-30, 0, 10), EncodeTime(23, 39, 59, 0));
    EXPECT_EQ(Step(-1, 0, 0), EncodeTime(23, 59, 0, 0));
    EXPECT_EQ(Step(1440 * 3 + 1, 12, 0), EncodeTime(12, 1, 0, 0));
    EXPECT_EQ(AddMinutesToTimeOfDay(-30, EncodeTime(0, 10, 0, 0), 0, settings), EncodeTime(23, 39, 59, 0))
        << "also on day zero, where the date cannot go back";
}

TEST_F(MinuteArithmetic, TimeOfDayStepsWorkThroughEveryLongTimePattern)
{
    settings.LongTimePattern = "hh:mm:ss";
    settings.TimeSeparator = ".";
    EXPECT_EQ(Step(30, 23, 45), EncodeTime(0, 15, 0, 0));
    EXPECT_EQ(Step(-30, 0, 10), EncodeTime(23, 39, 59, 0));

    settings.LongTimePattern = "h:mm:ss AMPM";
    settings.TimeSeparator = ":";
    settings.TimeAMString = "午前";
    settings.TimePMString = "午後";
    EXPECT_EQ(Step(1, 11, 59), EncodeTime(12, 0, 0, 0));
    EXPECT_EQ(Step(-1, 12, 0), EncodeTime(11, 59, 0, 0));
    EXPECT_EQ(Step(60, 23, 30), EncodeTime(0, 30, 0, 0));
}

} // namespace
} // namespace klaxora
