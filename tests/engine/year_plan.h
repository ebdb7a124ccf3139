// The calendar of a simulated year in the time zone in force: when the user runs commands, when the machine
// sleeps or is switched off, when the clock is set back, and the nights of the two daylight-saving changes.
#pragma once

#include <random>
#include <vector>

namespace klaxora::year {

enum class Planned {
    Command,              // one of the alarm commands, chosen when it runs
    Suspend,              // the machine sleeps for lengthMs
    Restart,              // the program is closed and started again later, the length chosen when it runs
    JumpBack,             // the clock is set back one hour
    JumpBackOverMidnight, // the same just after midnight, then an alarm is set for the date just left
    SpringNightAlarms,    // alarms in and around the hour that the spring change skips
    AutumnNightAlarms,    // alarms in and around the hour that the autumn change repeats
    AddInRepeatedHour,    // in the second pass of the repeated hour, an alarm for a time it has passed once
};

struct PlannedEvent {
    long long utc;
    Planned what;
    long long lengthMs = 0;
};

struct YearPlan {
    long long startUtc = 0;
    long long endUtc = 0;
    long long springChangeUtc = 0;
    long long autumnChangeUtc = 0;
    std::vector<PlannedEvent> events; // in time order
};

// A local wall time of the zone in force as UTC milliseconds (not for times the zone skips or repeats).
long long utcOfLocal(int year, int month, int day, int hour, int minute, int second);

// The year 2026 from 1 January, 08:00:20 local time, to the next New Year's midnight.
YearPlan planYear(std::mt19937& random);

} // namespace klaxora::year
