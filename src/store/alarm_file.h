// The text of the alarm file "Alarms.dat": one alarm per line, seven fields joined by "^":
// time ("hh:mmam/pm"), message, weekdays, kind, date ("mm/dd/yyyy"), sound file, mode; then the
// alarm's identity as an eighth field, which an older reader ignores.
#pragma once

#include "store/alarm_records.h"
#include "store/date_time.h"
#include "store/format_settings.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace klaxora {

constexpr std::string_view AlarmFileName = "Alarms.dat";
// The kind the writer gives a line that rings once. An older reader drops such a line once its date has
// passed.
constexpr int DatedAlarmKind = 3;
// The kind of a repeating alarm's line. An older reader does not look at the date of a line of another kind
// than 3 and sets its weekdays for the coming week, so it still rings them. A weekday line of any other
// kind comes from an older file, whose reader never used its date.
constexpr int RepeatingAlarmKind = 1;

// The lines of the file as they stand. CR ends a line and skips one LF after it; a lone LF ends a line
// as well (editors on Linux write LF); Ctrl-Z ends the file. Each line is to be decoded with
// DecodeFileText, so that a line from a Windows-1252 file reads correctly.
std::vector<std::string_view> splitAlarmFileLines(std::string_view contents);

// The seven fields of a line, split as ExtractField splits them: missing fields are empty and text
// after a seventh "^" is ignored.
std::array<std::string_view, 7> splitAlarmFields(std::string_view line);

// One line after the reading rules of its fields; its texts view the line that was parsed.
struct AlarmFileLine {
    DateTime time;            // hours and minutes only
    std::string_view message; // at most MessageCapacity characters
    RepeatDays repeatDays;    // the digits 1 (Sunday) to 7 (Saturday) among the field's first 7 characters
    int kind;
    DateTime date; // today when the date field does not convert
    std::string_view waveFile;
    AlarmMode mode;       // "0", "1", "2" by the first character; anything else 0
    std::string_view uid; // the eighth field up to a further "^"; empty in an older file's line
};

// `line` is UTF-8. Throws ConversionError when the time or the kind does not convert.
AlarmFileLine parseAlarmFileLine(std::string_view line, const FormatSettings& storage, DateTime today);

// The line for one alarm, without its line end; times and dates as the storage settings write them.
// The identity follows as an eighth field when the alarm has one.
std::string formatAlarmFileLine(const StoredAlarm& alarm);

} // namespace klaxora
