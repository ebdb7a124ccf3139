// What loading "Alarms.dat" must make of lines whose meaning the test knows because it wrote them: kept
// in the writer's own form, as repeating alarms (and the missed occurrence one leaves), or dropped. Written
// apart from the store's reader, with the calendar of the standard library, so that the program is checked
// against its rules and not against its own code.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace klaxora::badinput {

using Day = std::chrono::sys_days;

// The local date now, and the local wall time now in seconds (a date and time as if it were UTC).
Day localToday();
using Moment = std::chrono::sys_seconds;
Moment localNow();

// The meaning of one line as it was composed. The texts (message, weekdays, sound file) are taken from
// the line's own fields, decoded as the whole line is decoded and cut to their capacities.
struct LineMeaning {
    bool usable = false; // the time and the kind convert
    int hour = 0;
    int minute = 0;
    std::optional<Day> date; // none: the date field is not a date, so the alarm is for today
    int mode = 0;
    int kind = 3;
};

// Lines the test composed, by their bytes (without line end). A line not found here has a meaning the
// test does not know.
using KnownLines = std::unordered_map<std::string, LineMeaning>;

// The fields of an alarm line, split at every "^".
std::vector<std::string_view> fields(std::string_view line);

// Strict UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF), and the Windows-1252 reading.
bool isStrictUtf8(std::string_view bytes);
std::string windows1252AsUtf8(std::string_view bytes);
// The first `count` characters of UTF-8 text.
std::string firstCharacters(std::string_view utf8, std::size_t count);

// The lines of a file as the reader sees them: up to the first Ctrl-Z, ended by CR LF, CR or LF.
std::vector<std::string> fileLines(std::string_view contents);

// The writer's lines (without line end) that a load at `now` makes of one line.
std::vector<std::string> expectedAlarmLines(std::string_view lineBytes, const LineMeaning& meaning,
                                            Moment now);

// What the test can tell about a rewrite of `contents` from the lines it knows.
struct Expectation {
    bool complete = false;          // every line of the file is known
    std::vector<std::string> lines; // what the known lines become, in file order
    int keptLines = 0;              // known lines that must leave at least one line
    int droppedLines = 0;           // known lines that must leave nothing
};
Expectation expectRewrite(std::string_view contents, const KnownLines& known, Moment now);

// True when `expected` occurs in `actual` in order, other lines allowed between.
bool isSubsequence(const std::vector<std::string>& expected, const std::vector<std::string>& actual);

} // namespace klaxora::badinput
