#include "store/alarm_file.h"

#include "store/date_time_text.h"
#include "store/text_encoding.h"

namespace klaxora {

namespace {

constexpr char FieldSeparator = '^';
constexpr char EndOfFile = 26; // Ctrl-Z
constexpr std::size_t WeekdaysCapacity = 7;

AlarmMode modeFromField(std::string_view field)
{
    if (!field.empty() && field[0] >= '0' && field[0] <= '2')
        return static_cast<AlarmMode>(field[0] - '0');
    return amMessageAndSound;
}

// The decimal digits of a value that is not negative, with leading zeros up to `minDigits`.
void appendDigits(std::string& out, int value, int minDigits)
{
    const std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < minDigits)
        out.append(static_cast<std::size_t>(minDigits) - digits.size(), '0');
    out += digits;
}

} // namespace

std::vector<std::string_view> splitAlarmFileLines(std::string_view contents)
{
    if (const auto end = contents.find(EndOfFile); end != std::string_view::npos)
        contents = contents.substr(0, end);
    return splitLines(contents);
}

namespace {

template <std::size_t Count>
std::array<std::string_view, Count> splitFields(std::string_view line)
{
    std::array<std::string_view, Count> fields{};
    std::size_t start = 0;
    for (std::string_view& field : fields) {
        const std::size_t end = line.find(FieldSeparator, start);
        if (end == std::string_view::npos) {
            field = line.substr(start);
            break;
        }
        field = line.substr(start, end - start);
        start = end + 1;
    }
    return fields;
}

} // namespace

std::array<std::string_view, 7> splitAlarmFields(std::string_view line)
{
    return splitFields<7>(line);
}

AlarmFileLine parseAlarmFileLine(std::string_view line, const FormatSettings& storage, DateTime today)
{
    const std::array<std::string_view, 8> fields = splitFields<8>(line);
    AlarmFileLine parsed{};
    const ClockTime clock = decodeTime(strToTime(fields[0], storage));
    parsed.time = encodeTime(clock.hour, clock.minute, 0, 0);
    parsed.message = cutToCharacters(fields[1], MessageCapacity);
    parsed.repeatDays = RepeatDays::fromField(cutToCharacters(fields[2], WeekdaysCapacity));
    parsed.kind = strToInt(fields[3]);
    if (!tryStrToDate(fields[4], storage, decodeDate(today).year, parsed.date))
        parsed.date = today;
    parsed.waveFile = fields[5];
    parsed.mode = modeFromField(fields[6]);
    parsed.uid = fields[7];
    return parsed;
}

std::string formatAlarmFileLine(const StoredAlarm& alarm)
{
    // "hh:mmam/pm" and "mm/dd/yyyy" with the storage separators, written directly because the writer
    // runs for every stored alarm after every change.
    const ClockTime time = decodeTime(alarm.alarmTime);
    const CivilDate date = decodeDate(alarm.alarmDate);
    const int hour = time.hour % 12 == 0 ? 12 : time.hour % 12;
    std::string line;
    line.reserve(32 + alarm.message.size() + alarm.waveFile.size() + alarm.uid.size());
    appendDigits(line, hour, 2);
    line += ':';
    appendDigits(line, time.minute, 2);
    line += time.hour < 12 ? "am" : "pm";
    line += FieldSeparator;
    line += alarm.message;
    line += FieldSeparator;
    line += alarm.repeatDays.field();
    line += FieldSeparator;
    appendDigits(line, alarm.repeatDays.empty() ? DatedAlarmKind : RepeatingAlarmKind, 1);
    line += FieldSeparator;
    appendDigits(line, date.month, 2);
    line += '/';
    appendDigits(line, date.day, 2);
    line += '/';
    appendDigits(line, date.year, 4);
    line += FieldSeparator;
    line += alarm.waveFile;
    line += FieldSeparator;
    appendDigits(line, alarm.alarmMode, 1);
    if (!alarm.uid.empty()) {
        line += FieldSeparator;
        line += alarm.uid;
    }
    return line;
}

} // namespace klaxora
