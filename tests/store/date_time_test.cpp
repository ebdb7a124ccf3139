#include "store/clock.h"
#include "store/date_time.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

namespace klaxora {
namespace {

TEST(DateTimeCalendar, DaysCountFromThe30thOfDecember1899WithGregorianLeapYears)
{
    EXPECT_EQ(encodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(encodeDate(1970, 1, 1), 25569.0);
    EXPECT_EQ(encodeDate(2026, 6, 15), 46188.0);
    EXPECT_EQ(decodeDate(-1.5), (CivilDate{1899, 12, 29}));
    EXPECT_EQ(daysInMonth(2000, 2), 29);
    EXPECT_EQ(daysInMonth(1900, 2), 28);
    EXPECT_EQ(daysInMonth(2026, 4), 30);
    EXPECT_FALSE(isValidDate(2026, 2, 29));
    EXPECT_FALSE(isValidDate(2026, 13, 1));
    EXPECT_FALSE(isValidDate(0, 1, 1));
    EXPECT_FALSE(isValidDate(10000, 1, 1));
    EXPECT_TRUE(isValidDate(9999, 12, 31));
}

TEST(DateTimeCalendar, EncodeAndDecodeRoundTripOverFourCenturies)
{
    for (int year : {1, 1600, 1899, 1900, 2000, 2024, 2026, 2100, 9999}) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= daysInMonth(year, month); ++day) {
                const DateTime value = encodeDate(year, month, day);
                ASSERT_EQ(decodeDate(value), (CivilDate{year, month, day}))
                    << year << "-" << month << "-" << day;
                if (value >= 0) { // before day 0 the fraction counts towards day 0
                    ASSERT_EQ(decodeDate(value + 0.75), (CivilDate{year, month, day}));
                }
            }
        }
    }
    // Consecutive days are consecutive whole numbers across month, year and leap-day boundaries.
    EXPECT_EQ(encodeDate(2024, 3, 1) - encodeDate(2024, 2, 28), 2.0);
    EXPECT_EQ(encodeDate(2100, 3, 1) - encodeDate(2100, 2, 28), 1.0);
    EXPECT_EQ(encodeDate(2027, 1, 1) - encodeDate(2026, 12, 31), 1.0);
}

TEST(DateTimeCalendar, DayOfWeekCountsFromSunday)
{
    EXPECT_EQ(dayOfWeek(0.0), 7);                     // 30 December 1899, a Saturday
    EXPECT_EQ(dayOfWeek(-1.0), 6);                    // Friday before it
    EXPECT_EQ(dayOfWeek(encodeDate(2026, 6, 14)), 1); // Sunday
    EXPECT_EQ(dayOfWeek(encodeDate(2026, 6, 17)), 4); // Wednesday
    EXPECT_EQ(dayOfWeek(encodeDate(2026, 6, 20) + 0.99), 7);
    EXPECT_EQ(dayOfWeek(encodeDate(2000, 2, 29)), 3); // Tuesday
}

TEST(DateTimeClock, DecodingRoundsToTheNearestMillisecond)
{
    const DateTime day = encodeDate(2026, 6, 15);
    const DateTime almostMidnight = day + (86399.9996 / 86400.0);
    EXPECT_EQ(decodeTime(almostMidnight), (ClockTime{0, 0, 0, 0}));
    EXPECT_EQ(decodeDate(almostMidnight), (CivilDate{2026, 6, 16}));
    EXPECT_EQ(dateOf(almostMidnight), day + 1);
    EXPECT_EQ(timeOf(almostMidnight), 0.0);
    EXPECT_EQ(dayOfWeek(almostMidnight), dayOfWeek(day + 1));

    const DateTime justBefore = day + (86399.9994 / 86400.0);
    EXPECT_EQ(decodeTime(justBefore), (ClockTime{23, 59, 59, 999}));
    EXPECT_EQ(decodeDate(justBefore), (CivilDate{2026, 6, 15}));

    EXPECT_EQ(decodeTime(day + encodeTime(19, 30, 15, 250)), (ClockTime{19, 30, 15, 250}));
    EXPECT_EQ(decodeTime(day + 10.0 / 24 + 0.4 / 86400000), (ClockTime{10, 0, 0, 0}));
    EXPECT_EQ(decodeTime(day + 10.0 / 24 + 0.6 / 86400000), (ClockTime{10, 0, 0, 1}));
}

TEST(DateTimeClock, SystemClockGivesLocalTimeWithTheZoneApplied)
{
    // A fixed zone five and a half hours east of UTC needs no zone database.
    const char* saved = std::getenv("TZ");
    const std::string savedZone = saved ? saved : "";
    ::setenv("TZ", "XST-5:30", 1);
    ::tzset();
    const DateTime now = SystemClock().now();
    const auto utcSeconds = static_cast<double>(std::time(nullptr));
    if (saved)
        ::setenv("TZ", savedZone.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();

    const DateTime expected = encodeDate(1970, 1, 1) + (utcSeconds + 5.5 * 3600) / 86400;
    EXPECT_NEAR(now, expected, 2.0 / 86400);
}

} // namespace
} // namespace klaxora
