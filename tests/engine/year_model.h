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
    bool mayRing = true; // false: it stays in the file, but it has passed for good and never rings
    bool missed = false; // fell due before the reload of its date; it rings, then stays stored that day
    bool rang = false;   // rang already; it must never ring again
    // A snooze: when it was asked for (real time), for how many minutes, the wall time asked for before any
    // cutting, and how often the clock had been set back by then.
    long long snoozedAtUtc = -1;
    int snoozeMinutes = 0;
    long long requestedWall = 0;
    int clockSetBacks = 0;
};

struct LoadOutcome {
    int dropped = 0; // dated before the day of the load
    int tooLate = 0; // of the day of the load, but more than 30 seconds past: will never ring
    int inGrace = 0; // past, but within the 30 seconds: rings at once
    int lostDue = 0; // still to ring, yet dropped (only a fault could cause it)
};

class AlarmYearModel {
public:
    void add(const ExpectedAlarm& alarm) { alarms_.push_back(alarm); }
    // False when no such alarm exists.
    bool remove(int number, long long due);
    const ExpectedAlarm* find(int number, long long due) const;

    // The alarms with that number that may ring at `now`: due by then, and not rung yet.
    std::vector<const ExpectedAlarm*> ringable(int number, long long now) const;
    // The alarm rang and was answered: it goes, or, if it was missed, stays stored and silent.
    void rang(int number, long long due);

    // The program starts and reads the file: whole minutes only, alarms of past days go, today's alarms more
    // than 30 seconds past stay silent, and nothing that rang before may ring again.
    LoadOutcome startUpLoad(long long now);
    // The running program reads the file again on a new date: everything still to ring stays so, even
    // what fell due while the machine slept; only silent alarms of past days go.
    LoadOutcome dateChangeReload(long long now);

    bool anyDue(long long now) const;
    // The earliest due time after `now` of an alarm still to ring, or -1.
    long long nextDueAfter(long long now) const;
    int ringableCount() const;
    const std::vector<ExpectedAlarm>& alarms() const { return alarms_; }

private:
    std::vector<ExpectedAlarm> alarms_;
};

} // namespace klaxora::year
