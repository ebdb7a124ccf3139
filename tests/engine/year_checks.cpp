#include "engine/year_checks.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace klaxora::year {

namespace {

constexpr std::string_view MessagePrefix = "Alarm ";

long long wallMsOf(DateTime value)
{
    return std::llround(value * static_cast<double>(MsPerDay));
}

bool readNumber(std::string_view text, std::size_t from, std::size_t digits, int& value)
{
    if (from + digits > text.size())
        return false;
    const char* first = text.data() + from;
    const auto [end, error] = std::from_chars(first, first + digits, value);
    return error == std::errc() && end == first + digits;
}

std::vector<std::string_view> splitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t caret = line.find('^'); caret != std::string_view::npos; caret = line.find('^', start)) {
        fields.push_back(line.substr(start, caret - start));
        start = caret + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

// "07:05pm" into milliseconds of the day.
bool readTime(std::string_view text, long long& ms)
{
    int hour = 0;
    int minute = 0;
    if (text.size() != 7 || text[2] != ':' || !readNumber(text, 0, 2, hour) ||
        !readNumber(text, 3, 2, minute))
        return false;
    const std::string_view half = text.substr(5);
    if (hour < 1 || hour > 12 || minute > 59 || (half != "am" && half != "pm"))
        return false;
    ms = ((hour % 12 + (half == "pm" ? 12 : 0)) * 60LL + minute) * MsPerMinute;
    return true;
}

// "06/15/2026" into a day.
bool readDate(std::string_view text, long long& day)
{
    int month = 0;
    int dayOfMonth = 0;
    int year = 0;
    if (text.size() != 10 || text[2] != '/' || text[5] != '/' || !readNumber(text, 0, 2, month) ||
        !readNumber(text, 3, 2, dayOfMonth) || !readNumber(text, 6, 4, year))
        return false;
    day = dayOfCivil(year, month, dayOfMonth);
    const Civil back = civilOfDay(day);
    return back.year == year && back.month == month && back.day == dayOfMonth;
}

} // namespace

int alarmNumber(std::string_view message)
{
    if (!message.starts_with(MessagePrefix))
        return -1;
    int number = -1;
    const std::string_view digits = message.substr(MessagePrefix.size());
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return error == std::errc() && end == digits.data() + digits.size() ? number : -1;
}

std::string alarmMessage(int number)
{
    return std::string(MessagePrefix) + std::to_string(number);
}

std::string alarmSound(int number)
{
    return "sounds/alarm-" + std::to_string(number) + ".wav";
}

std::string readAlarmFile(std::string_view text, std::vector<FileLine>& lines)
{
    lines.clear();
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        if (end == std::string_view::npos)
            return "the last line has no CR LF";
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 2);
        const std::vector<std::string_view> fields = splitFields(line);
        FileLine read;
        long long timeOfDay = 0;
        long long day = 0;
        // The eighth field is the alarm's identity, random for a new alarm.
        if (fields.size() != 8 || fields[7].empty() || !readTime(fields[0], timeOfDay) ||
            !fields[2].empty() || fields[3] != "3" || !readDate(fields[4], day) || fields[6].size() != 1 ||
            fields[6][0] < '0' || fields[6][0] > '2')
            return "a line not in the writer's form: " + std::string(line);
        read.due = day * MsPerDay + timeOfDay;
        read.message = fields[1];
        read.sound = fields[5];
        read.mode = fields[6][0] - '0';
        lines.push_back(std::move(read));
    }
    return {};
}

std::string compareFileWithMemory(const std::vector<FileLine>& lines, const AlarmStore& store)
{
    const auto& stored = store.baseAlarmList();
    if (static_cast<int>(lines.size()) != stored.count())
        return "the file has " + std::to_string(lines.size()) + " lines, memory " +
               std::to_string(stored.count()) + " alarms";
    for (int i = 0; i < stored.count(); ++i) {
        const StoredAlarm& alarm = stored[i];
        const FileLine& line = lines[static_cast<std::size_t>(i)];
        if (line.due != floorToMinute(wallMsOf(alarm.alarmDate + alarm.alarmTime)) ||
            line.message != alarm.message || line.sound != alarm.waveFile || line.mode != alarm.alarmMode)
            return "line " + std::to_string(i + 1) + " (" + line.message + " at " + wallText(line.due) +
                   ") differs from memory (" + alarm.message + " at " +
                   wallText(wallMsOf(alarm.alarmDate + alarm.alarmTime)) + ")";
    }
    return {};
}

std::string checkListShape(const AlarmStore& store)
{
    // Sorted id lists rather than sets: this runs after every tick.
    const auto sortedIds = [](const auto& list, auto idOf) {
        std::vector<AlarmId> ids;
        ids.reserve(static_cast<std::size_t>(list.count()));
        for (int i = 0; i < list.count(); ++i)
            ids.push_back(idOf(list[i]));
        std::sort(ids.begin(), ids.end());
        return ids;
    };
    const auto unique = [](const std::vector<AlarmId>& ids) {
        return std::adjacent_find(ids.begin(), ids.end()) == ids.end();
    };
    const auto within = [](const std::vector<AlarmId>& part, const std::vector<AlarmId>& whole) {
        return std::includes(whole.begin(), whole.end(), part.begin(), part.end());
    };
    const std::vector<AlarmId> stored =
        sortedIds(store.baseAlarmList(), [](const StoredAlarm& a) { return a.id; });
    const std::vector<AlarmId> rows = sortedIds(store.rows(), [](const AlarmRow& r) { return r.object.id; });
    const std::vector<AlarmId> pending =
        sortedIds(store.todayList(), [](const PendingAlarm& a) { return a.id; });
    if (!unique(stored) || !unique(rows) || !unique(pending))
        return "an id twice in one list";
    if (!within(rows, stored))
        return "a row without its stored alarm";
    if (!within(pending, stored) || !within(pending, rows))
        return "a pending entry without its stored alarm or row";
    for (int i = 1; i < store.rows().count(); ++i) {
        const ListedAlarm& above = store.rows()[i - 1].object;
        const ListedAlarm& row = store.rows()[i].object;
        if (above.alarmDate > row.alarmDate ||
            (above.alarmDate == row.alarmDate && above.alarmTime > row.alarmTime))
            return "rows out of date and time order at row " + std::to_string(i);
    }
    return {};
}

void collectStored(const AlarmStore& store, std::vector<Held>& out)
{
    out.clear();
    for (int i = 0; i < store.baseAlarmList().count(); ++i) {
        const StoredAlarm& alarm = store.baseAlarmList()[i];
        out.push_back(
            Held{alarmNumber(alarm.message), wallMsOf(alarm.alarmDate + alarm.alarmTime), alarm.alarmMode});
    }
    std::sort(out.begin(), out.end());
}

void collectExpected(const AlarmYearModel& model, std::vector<Held>& out)
{
    out.clear();
    for (const ExpectedAlarm& alarm : model.alarms())
        out.push_back(Held{alarm.number, alarm.due, alarm.mode});
    std::sort(out.begin(), out.end());
}

std::vector<long long> dueTimesGone(int number, const std::vector<Held>& before,
                                    const std::vector<Held>& after)
{
    std::vector<Held> gone;
    std::set_difference(before.begin(), before.end(), after.begin(), after.end(), std::back_inserter(gone));
    std::vector<long long> dues;
    for (const Held& held : gone) {
        if (held.number == number)
            dues.push_back(held.due);
    }
    return dues;
}

std::string wallText(long long wallMs)
{
    const Civil date = civilOfDay(dayOf(wallMs));
    const long long ms = wallMs - dayOf(wallMs) * MsPerDay;
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02lld:%02lld:%02lld.%03lld", date.year, date.month,
                  date.day, ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms % 1000);
    return text;
}

} // namespace klaxora::year
