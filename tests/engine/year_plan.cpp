#include "engine/year_plan.h"

#include "engine/year_model.h"

#include <algorithm>
#include <ctime>

namespace klaxora::year {

namespace {

constexpr long long Second = 1000;
constexpr long long Minute = 60 * Second;
constexpr long long Hour = 60 * Minute;

long long utcOf(int year, int month, int day, int hour, int minute)
{
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    return static_cast<long long>(timegm(&fields)) * Second;
}

long long between(std::mt19937& random, long long low, long long high)
{
    return std::uniform_int_distribution<long long>(low, high)(random);
}

// No sleep and no restart in the days around the planned clock changes, so that the program runs
// through them; a restart may keep the machine off for three days.
bool isQuietDay(int month, int day)
{
    const auto within = [&](int m, int first, int last) { return month == m && day >= first && day <= last; };
    return within(3, 25, 30) || within(5, 10, 15) || within(8, 16, 21) || within(10, 21, 26);
}

} // namespace

long long utcOfLocal(int year, int month, int day, int hour, int minute, int second)
{
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = -1;
    return static_cast<long long>(std::mktime(&fields)) * Second;
}

YearPlan planYear(std::mt19937& random)
{
    YearPlan plan;
    plan.startUtc = utcOfLocal(2026, 1, 1, 8, 0, 20);
    plan.endUtc = utcOfLocal(2027, 1, 1, 0, 0, 0);
    // The European rules: at 01:00 UTC on the last Sundays of March and October.
    plan.springChangeUtc = utcOf(2026, 3, 29, 1, 0);
    plan.autumnChangeUtc = utcOf(2026, 10, 25, 1, 0);

    std::uniform_real_distribution<double> unit(0, 1);
    for (long long day = dayOfCivil(2026, 1, 1); day < dayOfCivil(2027, 1, 1); ++day) {
        const Civil date = civilOfDay(day);
        const Civil next = civilOfDay(day + 1);
        const long long dayStart = utcOfLocal(date.year, date.month, date.day, 0, 0, 0);
        const long long dayEnd = utcOfLocal(next.year, next.month, next.day, 0, 0, 0);

        const int commands = static_cast<int>(between(random, 3, 10));
        for (int i = 0; i < commands; ++i)
            plan.events.push_back({between(random, dayStart, dayEnd - 1), Planned::Command});
        if (isQuietDay(date.month, date.day))
            continue;
        if (unit(random) < 0.3) {
            if (unit(random) < 0.5) {
                // From the late evening over midnight, at most ten hours.
                const long long start = dayStart + 21 * Hour + between(random, 0, 179 * Minute);
                const long long length =
                    std::min(dayEnd - start + between(random, Minute, 9 * Hour), 10 * Hour);
                plan.events.push_back({start, Planned::Suspend, length});
            } else {
                plan.events.push_back({between(random, dayStart, dayEnd - 1), Planned::Suspend,
                                       between(random, 5 * Minute, 10 * Hour)});
            }
        }
        if (unit(random) < 0.05)
            plan.events.push_back({between(random, dayStart, dayEnd - 1), Planned::Restart});
    }

    plan.events.push_back({utcOfLocal(2026, 3, 27, 12, 0, 0), Planned::SpringNightAlarms});
    plan.events.push_back({utcOfLocal(2026, 10, 23, 12, 0, 0), Planned::AutumnNightAlarms});
    plan.events.push_back({plan.autumnChangeUtc + 5 * Minute, Planned::AddInRepeatedHour});
    plan.events.push_back({utcOfLocal(2026, 5, 14, 14, 30, 0), Planned::JumpBack});
    plan.events.push_back({utcOfLocal(2026, 8, 20, 0, 20, 0), Planned::JumpBackOverMidnight});
    std::stable_sort(plan.events.begin(), plan.events.end(),
                     [](const PlannedEvent& a, const PlannedEvent& b) { return a.utc < b.utc; });
    return plan;
}

} // namespace klaxora::year
