#include "store/alarm_file.h"

#include "store/date_time_text.h"
#include "store/text_encoding.h"
#include "store/text_helpers.h"

namespace klaxora {

namespace {

constexpr char kSeparator = '^';
constexpr char kEndOfFile = 26; // Ctrl-Z
constexpr std::size_t kWeekdaysCapacity = 7;

TAlarmMode ModeFromField(std::string_view field)
{
    if (!field.empty() && field[0] >= '0' && field[0] <= '2')
        return static_cast<TAlarmMode>(field[0] - '0');
    return amMessageAndSound;
}

} // namespace

std::vector<std::string> SplitAlarmFileLines(std::string_view contents)
{
    if (const auto end = contents.find(kEndOfFile); end != std::string_view::npos)
        contents = contents.substr(0, end);
    return DecodeLines(contents);
}

AlarmFileLine ParseAlarmFileLine(std::string_view line, const FormatSettings& storage, TDateTime today)
{
    AlarmFileLine parsed{};
    const ClockTime clock = DecodeTime(StrToTime(ExtractField(line, kSeparator, 1), storage));
    parsed.Time = EncodeTime(clock.hour, clock.minute, 0, 0);
    parsed.Message = CutToCharacters(ExtractField(line, kSeparator, 2), MessageCapacity);
    parsed.Weekdays = CutToCharacters(ExtractField(line, kSeparator, 3), kWeekdaysCapacity);
    parsed.Kind = StrToInt(ExtractField(line, kSeparator, 4));
    if (!TryStrToDate(ExtractField(line, kSeparator, 5), storage, DecodeDate(today).year, parsed.Date))
        parsed.Date = today;
    parsed.WaveFile = ExtractField(line, kSeparator, 6);
    parsed.Mode = ModeFromField(ExtractField(line, kSeparator, 7));
    return parsed;
}

std::string FormatAlarmFileLine(const TBaseAlarm& alarm, const FormatSettings& storage)
{
    std::string line = FormatDateTime("hh:mmam/pm", alarm.AlarmTime, storage);
    line += kSeparator;
    line += alarm.Message;
    line += kSeparator;
    line += kSeparator;
    line += std::to_string(DatedAlarmKind);
    line += kSeparator;
    line += FormatDateTime("mm/dd/yyyy", alarm.AlarmDate, storage);
    line += kSeparator;
    line += alarm.WaveFile;
    line += kSeparator;
    line += std::to_string(alarm.AlarmMode);
    return line;
}

} // namespace klaxora
