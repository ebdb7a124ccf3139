#include "reliability/bad_input_checks.h"

#include "support/alarm_lines.h"

#include "store/alarm_store.h"
#include "store/clock.h"
#include "store/date_time.h"
#include "store/file_system.h"
#include "store/format_settings.h"

#include <exception>
#include <fstream>
#include <iterator>
#include <sstream>

namespace klaxora::badinput {

namespace {

struct StoreLoad {
    std::string rewritten;
    std::vector<std::string> alarms; // one text per stored alarm: time, date, message, sound file, mode
};

std::string readWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

StoreLoad loadWithStore(const std::string& scratch, const std::string& contents, Moment moment)
{
    const std::string path = scratch + "/Alarms.dat";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << contents;
    const Day day = std::chrono::floor<std::chrono::days>(moment);
    const std::chrono::year_month_day date(day);
    const FakeClock clock(encodeDate(static_cast<int>(date.year()),
                                     static_cast<int>(static_cast<unsigned>(date.month())),
                                     static_cast<int>(static_cast<unsigned>(date.day()))) +
                          static_cast<double>((moment - Moment(day)).count()) / 86400.0);
    const DateTimeFormats formats{FormatSettings{}};
    PosixFileSystem fileSystem;
    AlarmStore store(clock, formats, scratch, fileSystem);
    store.loadFromDisk();
    StoreLoad load;
    load.rewritten = readWhole(path);
    for (int i = 0; i < store.baseAlarmList().count(); ++i) {
        const StoredAlarm& alarm = store.baseAlarmList()[i];
        std::ostringstream text;
        text.precision(17);
        text << alarm.alarmTime << '|' << alarm.alarmDate << '|' << alarm.message << '|' << alarm.waveFile
             << '|' << int{alarm.alarmMode} << '|' << alarm.repeatDays.field();
        load.alarms.push_back(text.str());
    }
    return load;
}

std::vector<std::string> writtenLines(const std::string& contents)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < contents.size();) {
        const std::size_t end = contents.find("\r\n", start);
        lines.push_back(contents.substr(start, end == std::string::npos ? end : end - start));
        start = end == std::string::npos ? contents.size() : end + 2;
    }
    return lines;
}

bool digits(std::string_view text, std::size_t from, std::size_t count, int& value)
{
    value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

// The writer's form: "hh:mmam^message^^3^mm/dd/yyyy^sound file^mode", every field in its place.
std::string writerFormProblem(const std::string& line)
{
    const std::vector<std::string_view> split = fields(line);
    std::vector<std::string> fields(split.begin(), split.end());
    // The identity after them is random; the store keeps it as it is.
    if (fields.size() != 8 || fields[7].empty())
        return "not seven fields and an identity";
    const std::string& time = fields[0];
    int hour = 0;
    int minute = 0;
    if (time.size() != 7 || !digits(time, 0, 2, hour) || time[2] != ':' || !digits(time, 3, 2, minute) ||
        hour < 1 || hour > 12 || minute > 59 || (time.substr(5) != "am" && time.substr(5) != "pm"))
        return "time not hh:mmam/pm";
    const bool repeating = !fields[2].empty();
    if (repeating ? fields[3] != "1" || RepeatDays::fromField(fields[2]).field() != fields[2]
                  : fields[3] != "3")
        return "weekdays not in ascending digits with kind 1, nor empty with kind 3";
    const std::string& date = fields[4];
    int month = 0;
    int day = 0;
    int year = 0;
    if (date.size() != 10 || !digits(date, 0, 2, month) || date[2] != '/' || !digits(date, 3, 2, day) ||
        date[5] != '/' || !digits(date, 6, 4, year) || !isValidDate(year, month, day))
        return "date not mm/dd/yyyy";
    if (fields[6] != "0" && fields[6] != "1" && fields[6] != "2")
        return "mode not 0, 1 or 2";
    if (firstCharacters(fields[1], 100) != fields[1] || firstCharacters(fields[5], 255) != fields[5])
        return "message or sound file over its capacity";
    return {};
}

void checkWriterForm(const std::string& rewritten, const std::vector<std::string>& lines, RewriteCheck& check)
{
    if (!isStrictUtf8(rewritten))
        check.problems.push_back("the rewritten file is not UTF-8");
    if (!rewritten.empty() && rewritten.substr(rewritten.size() - 2) != "\r\n")
        check.problems.push_back("the rewritten file does not end with CR LF");
    for (const std::string& line : lines) {
        const std::string problem = line.find_first_of("\r\n\x1A") != std::string::npos
                                        ? "a lone CR, LF or Ctrl-Z"
                                        : writerFormProblem(line);
        if (!problem.empty()) {
            check.problems.push_back("rewritten line not in the writer's form (" + problem +
                                     "): " + line.substr(0, 200));
            return;
        }
    }
}

void checkKnownLines(const std::string& input, const std::vector<std::string>& lines, const KnownLines& known,
                     Moment moment, RewriteCheck& check)
{
    const Expectation expected = expectRewrite(input, known, moment);
    check.complete = expected.complete;
    if (expected.complete ? lines != expected.lines : !isSubsequence(expected.lines, lines)) {
        // The first expected line that is not where it should be, or nowhere.
        std::size_t at = 0;
        std::size_t found = 0;
        while (at < expected.lines.size()) {
            if (expected.complete) {
                if (at >= lines.size() || lines[at] != expected.lines[at])
                    break;
                ++at;
                continue;
            }
            while (found < lines.size() && lines[found] != expected.lines[at])
                ++found;
            if (found == lines.size())
                break;
            ++at;
            ++found;
        }
        const auto shown = [](const std::vector<std::string>& from, std::size_t index) {
            return index < from.size() ? from[index].substr(0, 300) : std::string("(none)");
        };
        check.problems.push_back(
            std::string(expected.complete ? "the rewrite is not exactly" : "the rewrite lacks some of") +
            " the alarms of the known lines (" + std::to_string(expected.lines.size()) + " expected, " +
            std::to_string(lines.size()) + " written); expected line " + std::to_string(at + 1) + ":\n    " +
            shown(expected.lines, at) + (expected.complete ? "\n  written:\n    " + shown(lines, at) : ""));
        return;
    }
    check.keptLines = expected.keptLines;
    check.droppedLines = expected.droppedLines;
}

} // namespace

RewriteCheck checkRewrite(const std::string& input, const std::string& rewritten, const KnownLines& known,
                          const std::vector<Moment>& moments, const std::string& scratch)
{
    RewriteCheck check;
    checkWriterForm(rewritten, writtenLines(rewritten), check);
    // Compared as the seven fields: a line that had no identity got a random one.
    const std::vector<std::string> lines = writtenLines(test::withoutUids(rewritten));
    check.rewrittenLines = static_cast<int>(lines.size());
    try {
        // The moment of the load decides which alarms have passed and where repeating alarms fall.
        Moment moment = moments.front();
        StoreLoad fromInput;
        for (const Moment candidate : moments) {
            fromInput = loadWithStore(scratch, input, candidate);
            moment = candidate;
            if (test::withoutUids(fromInput.rewritten) == test::withoutUids(rewritten))
                break;
        }
        if (test::withoutUids(fromInput.rewritten) != test::withoutUids(rewritten))
            check.problems.push_back("the program's rewrite differs from the store's load of the same file, "
                                     "which rewrites " +
                                     std::to_string(writtenLines(fromInput.rewritten).size()) + " lines");
        checkKnownLines(input, lines, known, moment, check);

        const StoreLoad again = loadWithStore(scratch, rewritten, moment);
        if (again.rewritten != rewritten)
            check.problems.push_back("the rewritten file does not rewrite to itself");
        if (again.alarms != fromInput.alarms)
            check.problems.push_back("the rewritten file loads to other alarms than the file it came from");
    } catch (const std::exception& error) {
        check.problems.push_back(std::string("the store's load failed: ") + error.what());
    }
    return check;
}

} // namespace klaxora::badinput
