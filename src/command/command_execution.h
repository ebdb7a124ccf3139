// What the add and list commands do to a store. The running program and a command run without it both
// carry them out here, so a script sees the same result either way.
#pragma once

#include "command/command_request.h"
#include "store/alarm_store.h"
#include "store/clock.h"
#include "store/preferences_file.h"
#include "store/translatable.h"

#include <functional>
#include <string>
#include <string_view>

namespace klaxora {

// The sound a new alarm starts with, as Add Alarm chooses it: none while "No Alarm Sound" is ticked,
// otherwise the default sound when that file exists.
std::string newAlarmWaveFile(const Preferences& preferences);

// "both", "message", "sound" for the three modes, and back; false for any other name.
std::string_view modeName(AlarmMode mode);
bool modeFromName(std::string_view name, AlarmMode& mode);

// Adds the alarm of an --add request as the editor's Set Alarm does, then calls `save` (which writes
// the alarm file). Without a date the alarm is for today, or tomorrow once the time has passed today;
// a date and time that have passed are refused (ExitTimePassed) with nothing changed. A repeating alarm
// starts on the first of its days still to come from its date (or today) on, and the reply names that
// day. A failure of `save` gives ExitFailed with its reason.
CommandReply carryOutAdd(const CommandRequest& request, AlarmStore& store, const Clock& clock,
                         const std::string& newAlarmWaveFile, const std::function<void()>& save,
                         const Translate& translate = untranslated);

// One line an alarm, in the list's order (date, then time, the later added first), six columns
// separated by tabs: ISO date, time, mode, message, "missed" or empty, and a repeating alarm's days as
// --repeat takes them or empty. The alarms the list shows with "Show Today Only" off: those of
// a later date and today's that are still pending; `todayOnly` keeps today's.
std::string alarmListText(const AlarmStore& store, const Clock& clock, bool todayOnly);

} // namespace klaxora
