#include "command/command_execution.h"

#include "store/date_time_text.h"
#include "store/passed_alarm_time.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <system_error>
#include <vector>

namespace klaxora {

namespace {

constexpr std::array<std::string_view, 3> ModeNames{"both", "message", "sound"};

std::string IsoDate(TDateTime date)
{
    const CivilDate civil = DecodeDate(date);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", civil.year, civil.month, civil.day);
    return text;
}

std::string IsoMinute(TDateTime time)
{
    const ClockTime clock = DecodeTime(time);
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", clock.hour, clock.minute);
    return text;
}

void AppendAlarmLine(std::string& text, TDateTime date, TDateTime time, TAlarmMode mode,
                     std::string_view message)
{
    text += IsoDate(date);
    text += '\t';
    text += IsoMinute(time);
    text += '\t';
    text += ModeName(mode);
    text += '\t';
    text += message;
    text += '\n';
}

} // namespace

std::string NewAlarmWaveFile(const Preferences& preferences)
{
    if (preferences.NoAlarmSound || preferences.DefaultWaveFile.empty())
        return {};
    std::error_code error;
    const std::filesystem::path path(
        std::u8string(preferences.DefaultWaveFile.begin(), preferences.DefaultWaveFile.end()));
    return std::filesystem::is_regular_file(path, error) ? preferences.DefaultWaveFile : std::string();
}

std::string_view ModeName(TAlarmMode mode)
{
    return mode < ModeNames.size() ? ModeNames[mode] : ModeNames[amMessageAndSound];
}

bool ModeFromName(std::string_view name, TAlarmMode& mode)
{
    const auto found = std::find(ModeNames.begin(), ModeNames.end(), name);
    if (found == ModeNames.end())
        return false;
    mode = static_cast<TAlarmMode>(found - ModeNames.begin());
    return true;
}

CommandReply CarryOutAdd(const CommandRequest& request, AlarmStore& store, const Clock& clock,
                         const std::string& newAlarmWaveFile, const std::function<void()>& save)
{
    CommandReply reply;
    const TDateTime today = clock.Today();
    TDateTime date = today;
    if (request.Date) {
        date = *request.Date;
    } else if (AlarmTimeHasPassed(today, request.Time, clock)) {
        date = today + 1;
        reply.Output = "No date given: tomorrow, " + IsoDate(date) + ", since " + IsoMinute(request.Time) +
                       " has passed today.\n";
    } else {
        reply.Output = "No date given: today, " + IsoDate(date) + ".\n";
    }
    if (AlarmTimeHasPassed(date, request.Time, clock)) {
        return {ExitTimePassed,
                {},
                "klaxora: " + IsoDate(date) + " " + IsoMinute(request.Time) +
                    " has already passed; no alarm was added.\n"};
    }

    std::string waveFile;
    if (request.Sound == SoundChoice::Default)
        waveFile = newAlarmWaveFile;
    else if (request.Sound == SoundChoice::File)
        waveFile = request.SoundFile;
    const FormatSettings& storage = store.Formats().Storage();
    AlarmId id = 0;
    try {
        id = store.AddAlarm(TimeToStr(request.Time, storage), FormatDateTime("mm/dd/yyyy", date, storage),
                            request.Message, waveFile, request.Mode);
    } catch (const std::exception& error) {
        // The arguments were checked before; what is left is the store refusing text it cannot keep.
        return {ExitBadInput, {}, std::string("klaxora: ") + error.what() + "\n"};
    }
    try {
        save();
    } catch (const std::exception& error) {
        return FailedReply(std::string("the alarm file could not be written: ") + error.what());
    }
    // As the store keeps it.
    const TBaseAlarm& added = store.BaseAlarmList()[store.FindBaseAlarmForId(id)];
    AppendAlarmLine(reply.Output, added.AlarmDate, added.AlarmTime, added.AlarmMode, added.Message);
    return reply;
}

std::string AlarmListText(const AlarmStore& store, const Clock& clock, bool todayOnly)
{
    const TDateTime today = clock.Today();
    const auto& stored = store.BaseAlarmList();
    std::vector<const TBaseAlarm*> listed;
    listed.reserve(static_cast<std::size_t>(stored.Count()));
    // From the last added: among alarms of the same date and time the later one stands first.
    for (int i = stored.Count() - 1; i >= 0; --i) {
        const TBaseAlarm& alarm = stored[i];
        const bool shown = alarm.AlarmDate > today
                               ? !todayOnly
                               : alarm.AlarmDate == today && store.FindAlarmForId(alarm.Id) >= 0;
        if (shown)
            listed.push_back(&alarm);
    }
    std::stable_sort(listed.begin(), listed.end(), [](const TBaseAlarm* a, const TBaseAlarm* b) {
        return a->AlarmDate != b->AlarmDate ? a->AlarmDate < b->AlarmDate : a->AlarmTime < b->AlarmTime;
    });
    std::string text;
    text.reserve(listed.size() * 48);
    for (const TBaseAlarm* alarm : listed)
        AppendAlarmLine(text, alarm->AlarmDate, alarm->AlarmTime, alarm->AlarmMode, alarm->Message);
    return text;
}

} // namespace klaxora
