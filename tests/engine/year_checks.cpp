#include "engine/year_checks.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace klaxora::year {

namespace {

constexpr std::string_view MessagePrefix = "Alarm ";

long long WallMsOf(TDateTime value)
{
    return std::llround(value * static_cast<double>(MsPerDay));
}

bool ReadNumber(std::string_view text, std::size_t from, std::size_t digits, int& value)
{
    if (from + digits > text.size())
        return false;
    const char* first = text.data() + from;
    const auto [end, error] = std::from_chars(first, first + digits, value);
    return error == std::errc() && end == first + digits;
}

std::vector<std::string_view> SplitFields(std::string_view line)
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
bool ReadTime(std::string_view text, long long& ms)
{
    int hour = 0;
    int minute = 0;
    if (text.size() != 7 || text[2] != ':' || !ReadNumber(text, 0, 2, hour) ||
        !ReadNumber(text, 3, 2, minute))
        return false;
    const std::string_view half = text.substr(5);
    if (hour < 1 || hour > 12 || minute > 59 || (half != "am" && half != "pm"))
        return false;
    ms = ((hour % 12 + (half == "pm" ? 12 : 0)) * 60LL + minute) * MsPerMinute;
    return true;
}

// "06/15/2026" into a day.
bool ReadDate(std::string_view text, long long& day)
{
    int month = 0;
    int dayOfMonth = 0;
    int year = 0;
    if (text.size() != 10 || text[2] != '/' || text[5] != '/' || !ReadNumber(text, 0, 2, month) ||
        !ReadNumber(text, 3, 2, dayOfMonth) || !ReadNumber(text, 6, 4, year))
        return false;
    day = DayOfCivil(year, month, dayOfMonth);
    const Civil back = CivilOfDay(day);
    return back.year == year && back.month == month && back.day == dayOfMonth;
}

} // namespace

int AlarmNumber(std::string_view message)
{
    if (!message.starts_with(MessagePrefix))
        return -1;
    int number = -1;
    const std::string_view digits = message.substr(MessagePrefix.size());
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return error == std::errc() && end == digits.data() + digits.size() ? number : -1;
}

std::string AlarmMessage(int number)
{
    return std::string(MessagePrefix) + std::to_string(number);
}

std::string AlarmSound(int number)
{
    return "sounds/alarm-" + std::to_string(number) + ".wav";
}

std::string ReadAlarmFile(std::string_view text, std::vector<FileLine>& lines)
{
    lines.clear();
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        if (end == std::string_view::npos)
            return "the last line has no CR LF";
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 2);
        const std::vector<std::string_view> fields = SplitFields(line);
        FileLine read;
        long long timeOfDay = 0;
        long long day = 0;
        if (fields.size() != 7 || !ReadTime(fields[0], timeOfDay) || !fields[2].empty() || fields[3] != "3" ||
            !ReadDate(fields[4], day) || fields[6].size() != 1 || fields[6][0] < '0' || fields[6][0] > '2')
            return "a line not in the writer's form: " + std::string(line);
        read.due = day * MsPerDay + timeOfDay;
        read.message = fields[1];
        read.sound = fields[5];
        read.mode = fields[6][0] - '0';
        lines.push_back(std::move(read));
    }
    return {};
}

std::string CompareFileWithMemory(const std::vector<FileLine>& lines, const AlarmStore& store)
{
    const auto& stored = store.BaseAlarmList();
    if (static_cast<int>(lines.size()) != stored.Count())
        return "the file has " + std::to_string(lines.size()) + " lines, memory " +
               std::to_string(stored.Count()) + " alarms";
    for (int i = 0; i < stored.Count(); ++i) {
        const TBaseAlarm& alarm = stored[i];
        const FileLine& line = lines[static_cast<std::size_t>(i)];
        if (line.due != FloorToMinute(WallMsOf(alarm.AlarmDate + alarm.AlarmTime)) ||
            line.message != alarm.Message || line.sound != alarm.WaveFile || line.mode != alarm.AlarmMode)
            return "line " + std::to_string(i + 1) + " (" + line.message + " at " + WallText(line.due) +
                   ") differs from memory (" + alarm.Message + " at " +
                   WallText(WallMsOf(alarm.AlarmDate + alarm.AlarmTime)) + ")";
    }
    return {};
}

std::string CheckListShape(const AlarmStore& store)
{
    // Sorted id lists rather than sets: this runs after every tick.
    const auto sortedIds = [](const auto& list, auto idOf) {
        std::vector<AlarmId> ids;
        ids.reserve(static_cast<std::size_t>(list.Count()));
        for (int i = 0; i < list.Count(); ++i)
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
        sortedIds(store.BaseAlarmList(), [](const TBaseAlarm& a) { return a.Id; });
    const std::vector<AlarmId> rows = sortedIds(store.Rows(), [](const AlarmRow& r) { return r.Object.Id; });
    const std::vector<AlarmId> pending = sortedIds(store.TodayList(), [](const TAlarm& a) { return a.Id; });
    if (!unique(stored) || !unique(rows) || !unique(pending))
        return "an id twice in one list";
    if (!within(rows, stored))
        return "a row without its stored alarm";
    if (!within(pending, stored) || !within(pending, rows))
        return "a pending entry without its stored alarm or row";
    for (int i = 1; i < store.Rows().Count(); ++i) {
        const TListBoxObject& above = store.Rows()[i - 1].Object;
        const TListBoxObject& row = store.Rows()[i].Object;
        if (above.AlarmDate > row.AlarmDate ||
            (above.AlarmDate == row.AlarmDate && above.AlarmTime > row.AlarmTime))
            return "rows out of date and time order at row " + std::to_string(i);
    }
    return {};
}

void CollectStored(const AlarmStore& store, std::vector<Held>& out)
{
    out.clear();
    for (int i = 0; i < store.BaseAlarmList().Count(); ++i) {
        const TBaseAlarm& alarm = store.BaseAlarmList()[i];
        out.push_back(
            Held{AlarmNumber(alarm.Message), WallMsOf(alarm.AlarmDate + alarm.AlarmTime), alarm.AlarmMode});
    }
    std::sort(out.begin(), out.end());
}

void CollectExpected(const AlarmYearModel& model, std::vector<Held>& out)
{
    out.clear();
    for (const ExpectedAlarm& alarm : model.Alarms())
        out.push_back(Held{alarm.number, alarm.due, alarm.mode});
    std::sort(out.begin(), out.end());
}

std::vector<long long> DueTimesGone(int number, const std::vector<Held>& before,
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

std::string WallText(long long wallMs)
{
    const Civil date = CivilOfDay(DayOf(wallMs));
    const long long ms = wallMs - DayOf(wallMs) * MsPerDay;
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02lld:%02lld:%02lld.%03lld", date.year, date.month,
                  date.day, ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms % 1000);
    return text;
}

} // namespace klaxora::year
