// --import and --export (and the menu's Import Alarms… and Export Alarms…): the alarms to and from an
// iCalendar file. The running program and a command run without it both carry them out here.
#pragma once

#include "command/command_request.h"
#include "store/alarm_store.h"
#include "store/clock.h"
#include "store/file_system.h"
#include "store/translatable.h"

#include <functional>
#include <string>

namespace klaxora {

// Where the files and the time zone come from.
struct CalendarFiles {
    FileSystem& fileSystem;
    const Clock& clock;
    std::string zoneName; // the system's (sync/icalendar_zone.h)
};

// Reads `request.calendarFile`, adds the alarms whose identity the store lacks, then calls `save` when
// any was added. The reply counts what was added and what was skipped, and why. A file that cannot be
// read gives ExitFailed, one that is not iCalendar (or too large) ExitBadInput, with nothing changed.
CommandReply carryOutImport(const CommandRequest& request, AlarmStore& store, const CalendarFiles& files,
                            const std::string& newAlarmWaveFile, const std::function<void()>& save,
                            const Translate& translate = untranslated);

// Replaces `request.calendarFile` atomically with every alarm of the store.
CommandReply carryOutExport(const CommandRequest& request, const AlarmStore& store,
                            const CalendarFiles& files, const Translate& translate = untranslated);

} // namespace klaxora
