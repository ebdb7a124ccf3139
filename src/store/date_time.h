// Date-time values: days since 30 December 1899 in the whole part, time of day in the fraction.
#pragma once

namespace klaxora {

using DateTime = double;

// Every shift by minutes uses this slightly long minute; stored alarm times depend on it.
constexpr double OneMinute = 0.000694445;
// A today's alarm added up to 30 seconds late is still pending.
constexpr double PendingGrace = 1.0 / 2880.0;

struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

struct ClockTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    friend bool operator==(const ClockTime&, const ClockTime&) = default;
};

bool isLeapYear(int year);
int daysInMonth(int year, int month);
bool isValidDate(int year, int month, int day);

// The date must be valid (IsValidDate); the result has fraction 0.
DateTime encodeDate(int year, int month, int day);
DateTime encodeTime(int hour, int minute, int second, int millisecond);

// Both round the whole value to the nearest millisecond first, so 23:59:59.9996 is the next day's midnight.
CivilDate decodeDate(DateTime value);
ClockTime decodeTime(DateTime value);

DateTime dateOf(DateTime value);
DateTime timeOf(DateTime value);
// 1 = Sunday ... 7 = Saturday.
int dayOfWeek(DateTime value);

} // namespace klaxora
