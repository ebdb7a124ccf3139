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
    EXPECT_EQ(extractField(line, '^', 1), "07:05pm");
    EXPECT_EQ(extractField(line, '^', 3), "");
    EXPECT_EQ(extractField(line, '^', 6), "C:\\RING.WAV");
    EXPECT_EQ(extractField(line, '^', 7), "0");
    EXPECT_EQ(extractField(line, '^', 8), "");
    EXPECT_EQ(extractField("a^b^c^d^e^f^g^extra", '^', 7), "g");
    EXPECT_EQ(extractField("Tea^Milk^", '^', 3), "") << "the field after a final separator";
    EXPECT_EQ(extractField("^Milk", '^', 1), "");
    EXPECT_EQ(extractField("Tea^Milk", '^', 0), "");
    EXPECT_EQ(extractField("Tea^Milk", '^', -1), "");
    EXPECT_EQ(extractField("Tea^Milk", '^', INT_MAX), "");
    EXPECT_EQ(extractField("", '^', 1), "");
    EXPECT_EQ(extractField("^^^", '^', 4), "");
    EXPECT_EQ(extractField("^^^", '^', 5), "");
    EXPECT_EQ(extractField("Tee ☕^Grüße^", '^', 2), "Grüße");
    const std::string longMessage(300, 'm');
    EXPECT_EQ(extractField("x^" + longMessage + "^y", '^', 2), longMessage);
}

TEST(TrimSpaces, RemovesOnlySpaceCharacters)
{
    EXPECT_EQ(trimSpaces("  Tea  "), "Tea");
    EXPECT_EQ(trimSpaces("\tTea"), "\tTea");
    EXPECT_EQ(trimSpaces("Tea\r\n "), "Tea\r\n");
    EXPECT_EQ(trimSpaces("   "), "");
    EXPECT_EQ(trimSpaces(""), "");
    EXPECT_EQ(trimSpaces(" a b "), "a b");
    EXPECT_EQ(trimLeadingSpaces("  Tea  "), "Tea  ");
    EXPECT_EQ(trimTrailingSpaces("  Tea  "), "  Tea");
    EXPECT_EQ(trimLeadingSpaces("   "), "");
    EXPECT_EQ(trimTrailingSpaces("   "), "");
    EXPECT_EQ(trimTrailingSpaces("Tea\t"), "Tea\t");
}

class MinuteArithmetic : public ::testing::Test {
protected:
    const DateTime day = encodeDate(2026, 6, 15);
    const DateTime tenOClock = day + encodeTime(10, 0, 0, 0);
    FormatSettings settings; // the long time pattern "h:mm:ss AMPM"

    ClockTime clock(DateTime value) { return decodeTime(value); }
    DateTime step(int minutes, int h, int m)
    {
        return addMinutesToTimeOfDay(minutes, encodeTime(h, m, 0, 0), day, settings);
    }
};

TEST_F(MinuteArithmetic, AddMinutesUsesTheLongMinuteToTheMillisecond)
{
    EXPECT_EQ(clock(addMinutes(-60, tenOClock)), (ClockTime{8, 59, 59, 997}));
    EXPECT_EQ(clock(addMinutes(-20, tenOClock)), (ClockTime{9, 39, 59, 999}));
    EXPECT_EQ(clock(addMinutes(-5, tenOClock)), (ClockTime{9, 55, 0, 0}));
    EXPECT_EQ(clock(addMinutes(5, tenOClock)), (ClockTime{10, 5, 0, 0}));
    EXPECT_EQ(clock(addMinutes(-1440, tenOClock)), (ClockTime{9, 59, 59, 931}));
    EXPECT_EQ(dateOf(addMinutes(-1440, tenOClock)), day - 1);
    EXPECT_NEAR(addMinutes(1440, day) - day, 1.0000008, 1e-10);
    EXPECT_NEAR(addMinutes(10080, tenOClock) - tenOClock, 7.0000056, 1e-10);
    EXPECT_EQ(addMinutes(0, tenOClock), tenOClock);
    // Never below zero, whatever it is given.
    EXPECT_EQ(addMinutes(-10, 0.003), 0.0);
    EXPECT_EQ(addMinutes(INT32_MIN, tenOClock), 0.0);
    EXPECT_GT(addMinutes(INT32_MAX, tenOClock), 1.4e6);
    EXPECT_EQ(addMinutes(1, std::numeric_limits<double>::quiet_NaN()), 0.0);
    EXPECT_EQ(addMinutes(1, -std::numeric_limits<double>::infinity()), 0.0);
    EXPECT_DOUBLE_EQ(minutesToDays(-30), -30 * 0.000694445);
    EXPECT_DOUBLE_EQ(minutesToDays(1440), 1.0000008);
}

TEST_F(MinuteArithmetic, TimeOfDayStepsWrapAndDropTheSeconds)
{
    EXPECT_EQ(step(30, 23, 45), encodeTime(0, 15, 0, 0));
    EXPECT_EQ(step(1, 10, 0), encodeTime(10, 1, 0, 0));
    EXPECT_EQ(step(-1, 10, 0), encodeTime(9, 59, 0, 0));
    EXPECT_EQ(step(-59, 10, 0), encodeTime(9, 0, 59, 0));
    EXPECT_EQ(step(-60, 10, 0), encodeTime(8, 59, 59, 0)) << "why the hours-down step is -59";
    EXPECT_EQ(step(-30, 0, 10), encodeTime(23, 39, 59, 0));
    EXPECT_EQ(step(-1, 0, 0), encodeTime(23, 59, 0, 0));
    EXPECT_EQ(step(1440 * 3 + 1, 12, 0), encodeTime(12, 1, 0, 0));
    EXPECT_EQ(addMinutesToTimeOfDay(-30, encodeTime(0, 10, 0, 0), 0, settings), encodeTime(23, 39, 59, 0))
        << "also on day zero, where the date cannot go back";
}

TEST_F(MinuteArithmetic, TimeOfDayStepsWorkThroughEveryLongTimePattern)
{
    settings.longTimePattern = "hh:mm:ss";
    settings.timeSeparator = ".";
    EXPECT_EQ(step(30, 23, 45), encodeTime(0, 15, 0, 0));
    EXPECT_EQ(step(-30, 0, 10), encodeTime(23, 39, 59, 0));

    settings.longTimePattern = "h:mm:ss AMPM";
    settings.timeSeparator = ":";
    settings.timeAmString = "午前";
    settings.timePmString = "午後";
    EXPECT_EQ(step(1, 11, 59), encodeTime(12, 0, 0, 0));
    EXPECT_EQ(step(-1, 12, 0), encodeTime(11, 59, 0, 0));
    EXPECT_EQ(step(60, 23, 30), encodeTime(0, 30, 0, 0));
}

} // namespace
} // namespace klaxora
