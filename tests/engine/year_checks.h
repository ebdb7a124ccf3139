// Checks of the year simulation on what the program holds: the alarm file read by a reader of its own
// (not the program's), the file against memory, the shape of the three lists, and the stored alarms as
// plain (number, due time, mode) values to set against the reference model.
#pragma once

#include "engine/year_model.h"
#include "store/alarm_store.h"

#include <string>
#include <string_view>
#include <vector>

namespace klaxora::year {

// "Alarm <n>" gives n; any other text -1.
int alarmNumber(std::string_view message);
std::string alarmMessage(int number);
std::string alarmSound(int number);

struct FileLine {
    long long due = 0; // whole minutes
    std::string message;
    std::string sound;
    int mode = 0;
};

// Reads the file as the writer must have written it: "hh:mmam/pm^message^^3^mm/dd/yyyy^sound^mode" and
// CR LF after every line. Returns what is wrong with it, or nothing.
std::string readAlarmFile(std::string_view text, std::vector<FileLine>& lines);

// The file holds BaseAlarmList line by line, its times cut to whole minutes.
std::string compareFileWithMemory(const std::vector<FileLine>& lines, const AlarmStore& store);

// Every pending entry and every row belongs to a stored alarm; ids are unique; rows stand in date and
// time order.
std::string checkListShape(const AlarmStore& store);

struct Held {
    int number;
    long long due;
    int mode;
    friend auto operator<=>(const Held&, const Held&) = default;
};
// BaseAlarmList as sorted values.
void collectStored(const AlarmStore& store, std::vector<Held>& out);
// The model's alarms as sorted values.
void collectExpected(const AlarmYearModel& model, std::vector<Held>& out);

// The due times of `number` that are in `before` but no longer in `after` (both sorted).
std::vector<long long> dueTimesGone(int number, const std::vector<Held>& before,
                                    const std::vector<Held>& after);

// "2026-03-29 02:30:00.000" for messages.
std::string wallText(long long wallMs);

} // namespace klaxora::year
