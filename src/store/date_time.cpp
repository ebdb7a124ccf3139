#include "store/date_time.h"

#include <cmath>
#include <cstdint>

namespace klaxora {

namespace {

constexpr std::int64_t MSecsPerDay = 86400000;

// Days from 1 March of year 0 make leap days fall at the end of each cycle, so whole-era arithmetic works.
constexpr std::int64_t daysFromCivil(std::int64_t y, int m, int d)
{
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468; // 0 = 1 January 1970
}

// Days between 30 December 1899 and 1 January 1970.
constexpr std::int64_t UnixEpochOffset = -daysFromCivil(1899, 12, 30);

CivilDate civilFromDays(std::int64_t z)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const std::int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    return CivilDate{static_cast<int>(year), month, day};
}

// A value split at millisecond precision. As everywhere for these values, a negative value counts its
// whole part back from day 0 and its fraction forward into that day.
struct Split {
    std::int64_t day;
    std::int64_t msOfDay;
};

Split splitValue(DateTime value)
{
    const auto ms = static_cast<std::int64_t>(std::llround(value * static_cast<double>(MSecsPerDay)));
    const std::int64_t day = ms / MSecsPerDay;
    const std::int64_t rest = ms % MSecsPerDay;
    return Split{day, rest < 0 ? -rest : rest};
}

} // namespace

bool isLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int daysInMonth(int year, int month)
{
    static constexpr int Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : Days[month - 1];
}

bool isValidDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

DateTime encodeDate(int year, int month, int day)
{
    return static_cast<DateTime>(daysFromCivil(year, month, day) + UnixEpochOffset);
}

DateTime encodeTime(int hour, int minute, int second, int millisecond)
{
    const std::int64_t ms = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
    return static_cast<double>(ms) / static_cast<double>(MSecsPerDay);
}

CivilDate decodeDate(DateTime value)
{
    return civilFromDays(splitValue(value).day - UnixEpochOffset);
}

ClockTime decodeTime(DateTime value)
{
    const std::int64_t ms = splitValue(value).msOfDay;
    return ClockTime{static_cast<int>(ms / 3600000), static_cast<int>(ms / 60000 % 60),
                     static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

// Both work at millisecond precision like the decoders, so a clock advanced in steps of seconds never
// shows 23:59:59.99999 of the previous day.
DateTime dateOf(DateTime value)
{
    return static_cast<DateTime>(splitValue(value).day);
}

DateTime timeOf(DateTime value)
{
    return static_cast<double>(splitValue(value).msOfDay) / static_cast<double>(MSecsPerDay);
}

int dayOfWeek(DateTime value)
{
    // Day 0 was a Saturday.
    const std::int64_t day = splitValue(value).day;
    return static_cast<int>(((day % 7) + 13) % 7) + 1;
}

} // namespace klaxora
