// What a user may expect of the alarms over a year, kept apart from the program's code: which alarms exist,
// which of them are still to ring, and from when on. Times are local wall-clock milliseconds counted from
// 30 December 1899 (the program's day 0); the dates are worked out with the C library, not the program's
// own date code.
#pragma once

#include <vector>

namespace klaxora::year {

constexpr long long MsPerMinute = 60000;
constexpr long long MsPerDay = 86400000;
// An alarm is still taken in when it is loaded or added at most this much after its time.
constexpr long long GraceMs = 30000;

long long dayOf(long long wallMs);
long long floorToMinute(long long wallMs);
struct Civil {
    int year;
    int month;
    int day;
};
Civil civilOfDay(long long day);
long long dayOfCivil(int year, int month, int day);
// 1 Sunday ... 7 Saturday.
int weekdayDigit(long long day);

// A shift or snooze by `minutes` of 0.000694445 day (60.000048 s), rounded to the millisecond and then cut
// to whole seconds, as the time text of a shifted alarm holds them.
long long shiftedWallMs(long long wallMs, int minutes);

struct ExpectedAlarm {
    int number = 0;    // the alarm's message is "Alarm <number>"; clones and snoozes keep it
    long long due = 0; // wall time
    int mode = 0;
    // A snooze: when it was asked for (real time), for how many minutes, the wall time asked for before any
    // cutting, and how often the clock had been set back by then.
    long long snoozedAtUtc = -1;
    int snoozeMinutes = 0;
    long long requestedWall = 0;
    int clockSetBacks = 0;
};

struct LoadOutcome {
    int pastDays = 0; // dated before the day of the load: kept, told as missed
    int tooLate = 0;  // of the day of the load, more than 30 seconds past: kept, told as missed
    int inGrace = 0;  // past, but within the 30 seconds: rings at once
};

class AlarmYearModel {
public:
    void add(const ExpectedAlarm& alarm) { alarms_.push_back(alarm); }
    // False when no such alarm exists.
    // Twins of one number and time may differ in their mode (an edit).
    bool remove(int number, long long due, int mode);
    const ExpectedAlarm* find(int number, long long due, int mode) const;

    // The alarms with that number that may ring at `now`: due by then, and not rung yet.
    std::vector<const ExpectedAlarm*> ringable(int number, long long now) const;
    // The alarm rang and was answered: it goes.
    void rang(int number, long long due, int mode);

    // The program starts and reads the file: whole minutes only; every alarm stays, what passed meanwhile
    // is told late.
    LoadOutcome startUpLoad(long long now);
    // The running program reads the file again on a new date: whole minutes only, nothing goes.
    void dateChangeReload();

    bool anyDue(long long now) const;
    // The earliest due time after `now` of an alarm still to ring, or -1.
    long long nextDueAfter(long long now) const;
    int ringableCount() const;
    const std::vector<ExpectedAlarm>& alarms() const { return alarms_; }

private:
    std::vector<ExpectedAlarm> alarms_;
};

} // namespace klaxora::year
