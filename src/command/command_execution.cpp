#include "command/command_execution.h"

#include "command/repeat_days_words.h"
#include "store/date_time_text.h"
#include "store/passed_alarm_time.h"
#include "store/translatable.h"

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

std::string isoDate(DateTime date)
{
    const CivilDate civil = decodeDate(date);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", civil.year, civil.month, civil.day);
    return text;
}

std::string isoMinute(DateTime time)
{
    const ClockTime clock = decodeTime(time);
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", clock.hour, clock.minute);
    return text;
}

// Every line has all six columns, empty ones too, so that a script can cut any of them.
void appendAlarmLine(std::string& text, const AlarmStore& store, const StoredAlarm& alarm, DateTime today)
{
    // Passed and never answered: it has no pending entry.
    const bool missed = alarm.alarmDate <= today && store.findAlarmForId(alarm.id) < 0;
    text += isoDate(alarm.alarmDate);
    text += '\t';
    text += isoMinute(alarm.alarmTime);
    text += '\t';
    text += modeName(alarm.alarmMode);
    text += '\t';
    text += alarm.message;
    text += missed ? "\tmissed\t" : "\t\t";
    text += repeatDaysWords(alarm.repeatDays);
    text += '\n';
}

} // namespace

std::string newAlarmWaveFile(const Preferences& preferences)
{
    if (preferences.noAlarmSound || preferences.defaultWaveFile.empty())
        return {};
    std::error_code error;
    const std::filesystem::path path(
        std::u8string(preferences.defaultWaveFile.begin(), preferences.defaultWaveFile.end()));
    return std::filesystem::is_regular_file(path, error) ? preferences.defaultWaveFile : std::string();
}

std::string_view modeName(AlarmMode mode)
{
    return mode < ModeNames.size() ? ModeNames[mode] : ModeNames[amMessageAndSound];
}

bool modeFromName(std::string_view name, AlarmMode& mode)
{
    const auto found = std::find(ModeNames.begin(), ModeNames.end(), name);
    if (found == ModeNames.end())
        return false;
    mode = static_cast<AlarmMode>(found - ModeNames.begin());
    return true;
}

CommandReply carryOutAdd(const CommandRequest& request, AlarmStore& store, const Clock& clock,
                         const std::string& newAlarmWaveFile, const std::function<void()>& save,
                         const Translate& translate)
{
    const auto words = [&translate](const char* text, std::initializer_list<std::string> values) {
        return fillText(translate("CommandReply", text), values);
    };
    CommandReply reply;
    const DateTime today = clock.today();
    // A repeating alarm starts on the first of its days still to come from its date on (the store finds
    // it), so neither "tomorrow" nor the refusal of a passed time applies to it.
    const bool repeats = !request.repeatDays.empty();
    DateTime date = request.date.value_or(today);
    if (!request.date && !repeats) {
        if (alarmTimeHasPassed(today, request.time, clock)) {
            date = today + 1;
            reply.output = words(QT_TRANSLATE_NOOP("CommandReply",
                                                   "No date given: tomorrow, %1, since %2 has passed today."),
                                 {isoDate(date), isoMinute(request.time)}) +
                           "\n";
        } else {
            reply.output =
                words(QT_TRANSLATE_NOOP("CommandReply", "No date given: today, %1."), {isoDate(date)}) + "\n";
        }
    }
    if (!repeats && alarmTimeHasPassed(date, request.time, clock)) {
        return {ExitTimePassed,
                {},
                "klaxora: " +
                    words(QT_TRANSLATE_NOOP("CommandReply", "%1 %2 has already passed; no alarm was added."),
                          {isoDate(date), isoMinute(request.time)}) +
                    "\n"};
    }

    std::string waveFile;
    if (request.sound == SoundChoice::Default)
        waveFile = newAlarmWaveFile;
    else if (request.sound == SoundChoice::File)
        waveFile = request.soundFile;
    const FormatSettings& storage = store.formats().storage();
    AlarmId id = 0;
    try {
        id = store.addAlarm(timeToStr(request.time, storage), formatDateTime("mm/dd/yyyy", date, storage),
                            request.message, waveFile, request.mode, request.repeatDays);
    } catch (const std::exception& error) {
        // The arguments were checked before; what is left is the store refusing text it cannot keep.
        return {ExitBadInput, {}, "klaxora: " + userTextOf(error).in(translate) + "\n"};
    }
    try {
        save();
    } catch (const std::exception& error) {
        return failedReply(words(QT_TRANSLATE_NOOP("CommandReply", "the alarm file could not be written: %1"),
                                 {userTextOf(error).in(translate)}));
    }
    // As the store keeps it.
    const StoredAlarm& added = store.baseAlarmList()[store.findBaseAlarmForId(id)];
    if (repeats) {
        const std::string& day =
            storage.longDayNames[static_cast<std::size_t>(dayOfWeek(added.alarmDate) - 1)];
        reply.output = words(QT_TRANSLATE_NOOP("CommandReply", "Repeats %1: first on %2 %3."),
                             {repeatDaysWords(added.repeatDays), day, isoDate(added.alarmDate)}) +
                       "\n";
    }
    appendAlarmLine(reply.output, store, added, today);
    return reply;
}

std::string alarmListText(const AlarmStore& store, const Clock& clock, bool todayOnly)
{
    const DateTime today = clock.today();
    const auto& stored = store.baseAlarmList();
    std::vector<const StoredAlarm*> listed;
    listed.reserve(static_cast<std::size_t>(stored.count()));
    // From the last added: among alarms of the same date and time the later one stands first.
    for (int i = stored.count() - 1; i >= 0; --i) {
        const StoredAlarm& alarm = stored[i];
        // Missed alarms (passed, never answered) are listed whatever the day.
        const bool shown = alarm.alarmDate > today ? !todayOnly : true;
        if (shown)
            listed.push_back(&alarm);
    }
    std::stable_sort(listed.begin(), listed.end(), [](const StoredAlarm* a, const StoredAlarm* b) {
        return a->alarmDate != b->alarmDate ? a->alarmDate < b->alarmDate : a->alarmTime < b->alarmTime;
    });
    std::string text;
    text.reserve(listed.size() * 48);
    for (const StoredAlarm* alarm : listed)
        appendAlarmLine(text, store, *alarm, today);
    return text;
}

} // namespace klaxora
