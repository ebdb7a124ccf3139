// The text of the alarm file "Alarms.dat": one alarm per line, seven fields joined by "^":
// time ("hh:mmam/pm"), message, weekdays, kind, date ("mm/dd/yyyy"), sound file, mode.
#pragma once

#include "store/alarm_records.h"
#include "store/date_time.h"
#include "store/format_settings.h"

#include <string>
#include <string_view>
#include <vector>

namespace klaxora {

constexpr std::string_view AlarmFileName = "Alarms.dat";
// The kind the writer gives every line; lines of this kind are dropped once their date has passed.
constexpr int DatedAlarmKind = 3;

// The lines of the file, each in UTF-8. CR ends a line and skips one LF after it; a lone LF ends a line
// as well (editors on Linux write LF); Ctrl-Z ends the file. A line that is not valid UTF-8 is read as
// Windows-1252.
std::vector<std::string> SplitAlarmFileLines(std::string_view contents);

// One line after the reading rules of its fields.
struct AlarmFileLine {
    TDateTime Time;       // hours and minutes only
    std::string Message;  // at most MessageCapacity characters
    std::string Weekdays; // at most 7 characters: digits 1 (Sunday) to 7 (Saturday)
    int Kind;
    TDateTime Date; // today when the date field does not convert
    std::string WaveFile;
    TAlarmMode Mode; // "0", "1", "2" by the first character; anything else 0
};

// Throws ConversionError when the time or the kind does not convert.
AlarmFileLine ParseAlarmFileLine(std::string_view line, const FormatSettings& storage, TDateTime today);

// The line for one alarm, without its line end.
std::string FormatAlarmFileLine(const TBaseAlarm& alarm, const FormatSettings& storage);

} // namespace klaxora
