#include "engine/year_model.h"

#include <algorithm>
#include <cmath>
#include <ctime>

namespace klaxora::year {

namespace {

// Day 0 of the program is 30 December 1899, 25569 days before 1 January 1970.
constexpr long long UnixDay = 25569;

long long FloorDiv(long long value, long long divisor)
{
    const long long quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

std::tm UtcFieldsOfDay(long long day)
{
    const auto seconds = static_cast<std::time_t>((day - UnixDay) * 86400);
    std::tm fields{};
    gmtime_r(&seconds, &fields);
    return fields;
}

} // namespace

long long DayOf(long long wallMs)
{
    return FloorDiv(wallMs, MsPerDay);
}

long long FloorToMinute(long long wallMs)
{
    return FloorDiv(wallMs, MsPerMinute) * MsPerMinute;
}

Civil CivilOfDay(long long day)
{
    const std::tm fields = UtcFieldsOfDay(day);
    return Civil{fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday};
}

long long DayOfCivil(int year, int month, int day)
{
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    return static_cast<long long>(timegm(&fields)) / 86400 + UnixDay;
}

int WeekdayDigit(long long day)
{
    return UtcFieldsOfDay(day).tm_wday + 1;
}

long long ShiftedWallMs(long long wallMs, int minutes)
{
    // 0.000694445 day is 60000.048 ms; the sum is rounded to the millisecond, then the fraction of a
    // second is dropped.
    const long long rounded = wallMs + std::llround(minutes * 60000.048);
    return FloorDiv(rounded, 1000) * 1000;
}

bool AlarmYearModel::Remove(int number, long long due)
{
    const auto found = std::find_if(alarms_.begin(), alarms_.end(), [&](const ExpectedAlarm& alarm) {
        return alarm.number == number && alarm.due == due;
    });
    if (found == alarms_.end())
        return false;
    alarms_.erase(found);
    return true;
}

const ExpectedAlarm* AlarmYearModel::Find(int number, long long due) const
{
    for (const ExpectedAlarm& alarm : alarms_) {
        if (alarm.number == number && alarm.due == due)
            return &alarm;
    }
    return nullptr;
}

std::vector<const ExpectedAlarm*> AlarmYearModel::Ringable(int number, long long now) const
{
    std::vector<const ExpectedAlarm*> found;
    for (const ExpectedAlarm& alarm : alarms_) {
        if (alarm.number == number && alarm.mayRing && alarm.due <= now)
            found.push_back(&alarm);
    }
    return found;
}

void AlarmYearModel::Rang(int number, long long due)
{
    for (auto alarm = alarms_.begin(); alarm != alarms_.end(); ++alarm) {
        if (alarm->number != number || alarm->due != due || !alarm->mayRing)
            continue;
        if (alarm->missed) {
            alarm->mayRing = false;
            alarm->rang = true;
        } else {
            alarms_.erase(alarm);
        }
        return;
    }
}

LoadOutcome AlarmYearModel::StartUpLoad(long long now)
{
    LoadOutcome outcome;
    const long long today = DayOf(now);
    std::erase_if(alarms_, [&](ExpectedAlarm& alarm) {
        alarm.due = FloorToMinute(alarm.due);
        alarm.missed = false;
        if (DayOf(alarm.due) < today) {
            ++outcome.dropped;
            return true;
        }
        if (DayOf(alarm.due) == today && now - alarm.due > GraceMs) {
            outcome.tooLate += alarm.mayRing ? 1 : 0;
            alarm.mayRing = false;
        } else if (!alarm.rang) {
            outcome.inGrace += alarm.due <= now ? 1 : 0;
            alarm.mayRing = true;
        }
        return false;
    });
    return outcome;
}

LoadOutcome AlarmYearModel::DateChangeReload(long long now)
{
    LoadOutcome outcome;
    const long long today = DayOf(now);
    std::erase_if(alarms_, [&](ExpectedAlarm& alarm) {
        alarm.due = FloorToMinute(alarm.due);
        if (DayOf(alarm.due) < today) {
            ++(alarm.mayRing ? outcome.lostDue : outcome.dropped);
            return true;
        }
        if (alarm.mayRing && DayOf(alarm.due) == today && now - alarm.due > GraceMs)
            alarm.missed = true;
        return false;
    });
    return outcome;
}

bool AlarmYearModel::AnyDue(long long now) const
{
    return std::any_of(alarms_.begin(), alarms_.end(),
                       [&](const ExpectedAlarm& alarm) { return alarm.mayRing && alarm.due <= now; });
}

long long AlarmYearModel::NextDueAfter(long long now) const
{
    long long next = -1;
    for (const ExpectedAlarm& alarm : alarms_) {
        if (alarm.mayRing && alarm.due > now && (next < 0 || alarm.due < next))
            next = alarm.due;
    }
    return next;
}

int AlarmYearModel::RingableCount() const
{
    return static_cast<int>(std::count_if(alarms_.begin(), alarms_.end(),
                                          [](const ExpectedAlarm& alarm) { return alarm.mayRing; }));
}

} // namespace klaxora::year
