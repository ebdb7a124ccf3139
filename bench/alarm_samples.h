// Alarm data for the benchmarks: a realistic alarm file and random alarm texts, the same on every run.
#pragma once

#include "store/date_time.h"

#include <random>
#include <string>
#include <vector>

namespace klaxora::bench {

// Wednesday 10 June 2026, noon: the clock of every benchmark.
DateTime benchmarkNow();

// The text of an alarm file of `lines` lines as a user's file looks after a while: mostly future alarms,
// some for today (passed and still to come), a tenth repeating and a few whose date has passed,
// messages from a word to the full 100 characters with some accented letters, most with a sound file.
std::string realisticAlarmFile(int lines, unsigned seed = 1);

// A time ("07:30pm") and a future date ("06/15/2027") in the storage format, spread over three years.
struct AlarmTexts {
    std::string time;
    std::string date;
};
AlarmTexts randomFutureAlarm(std::mt19937& random);

} // namespace klaxora::bench
