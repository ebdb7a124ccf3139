#include "engine/year_model.h"

#include <algorithm>
#include <cmath>
#include <ctime>

namespace klaxora::year {

namespace {

// Day 0 of the program is 30 December 1899, 25569 days before 1 January 1970.
constexpr long long UnixDay = 25569;

long long floorDiv(long long value, long long divisor)
{
    const long long quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

std::tm utcFieldsOfDay(long long day)
{
    const auto seconds = static_cast<std::time_t>((day - UnixDay) * 86400);
    std::tm fields{};
    gmtime_r(&seconds, &fields);
    return fields;
}

} // namespace

long long dayOf(long long wallMs)
{
    return floorDiv(wallMs, MsPerDay);
}

long long floorToMinute(long long wallMs)
{
    return floorDiv(wallMs, MsPerMinute) * MsPerMinute;
}

Civil civilOfDay(long long day)
{
    const std::tm fields = utcFieldsOfDay(day);
    return Civil{fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday};
}

long long dayOfCivil(int year, int month, int day)
{
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    return static_cast<long long>(timegm(&fields)) / 86400 + UnixDay;
}

int weekdayDigit(long long day)
{
    return utcFieldsOfDay(day).tm_wday + 1;
}

long long shiftedWallMs(long long wallMs, int minutes)
{
    // 0.000694445 day is 60000.048 ms; the sum is rounded to the millisecond, then the fraction of a
    // second is dropped.
    const long long rounded = wallMs + std::llround(minutes * 60000.048);
    return floorDiv(rounded, 1000) * 1000;
}

bool AlarmYearModel::remove(int number, long long due, int mode)
{
    const auto found = std::find_if(alarms_.begin(), alarms_.end(), [&](const ExpectedAlarm& alarm) {
        return alarm.number == number && alarm.due == due && alarm.mode == mode;
    });
    if (found == alarms_.end())
        return false;
    alarms_.erase(found);
    return true;
}

const ExpectedAlarm* AlarmYearModel::find(int number, long long due, int mode) const
{
    for (const ExpectedAlarm& alarm : alarms_) {
        if (alarm.number == number && alarm.due == due && alarm.mode == mode)
            return &alarm;
    }
    return nullptr;
}

std::vector<const ExpectedAlarm*> AlarmYearModel::ringable(int number, long long now) const
{
    std::vector<const ExpectedAlarm*> found;
    for (const ExpectedAlarm& alarm : alarms_) {
        if (alarm.number == number && alarm.due <= now)
            found.push_back(&alarm);
    }
    return found;
}

void AlarmYearModel::rang(int number, long long due, int mode)
{
    remove(number, due, mode);
}

LoadOutcome AlarmYearModel::startUpLoad(long long now)
{
    LoadOutcome outcome;
    const long long today = dayOf(now);
    for (ExpectedAlarm& alarm : alarms_) {
        alarm.due = floorToMinute(alarm.due);
        if (dayOf(alarm.due) < today)
            ++outcome.pastDays;
        else if (now - alarm.due > GraceMs)
            ++outcome.tooLate;
        else if (alarm.due <= now)
            ++outcome.inGrace;
    }
    return outcome;
}

void AlarmYearModel::dateChangeReload()
{
    for (ExpectedAlarm& alarm : alarms_)
        alarm.due = floorToMinute(alarm.due);
}

bool AlarmYearModel::anyDue(long long now) const
{
    return std::any_of(alarms_.begin(), alarms_.end(),
                       [&](const ExpectedAlarm& alarm) { return alarm.due <= now; });
}

long long AlarmYearModel::nextDueAfter(long long now) const
{
    long long next = -1;
    for (const ExpectedAlarm& alarm : alarms_) {
        if (alarm.due > now && (next < 0 || alarm.due < next))
            next = alarm.due;
    }
    return next;
}

int AlarmYearModel::ringableCount() const
{
    return static_cast<int>(alarms_.size());
}

} // namespace klaxora::year
