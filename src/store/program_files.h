// The two files the program reads as it starts, both from its own folder: the preferences and the
// alarms. Standard library only, so the reading can run on a thread of its own while the toolkit starts.
#pragma once

#include "store/alarm_store.h"
#include "store/clock.h"
#include "store/file_system.h"
#include "store/format_settings.h"
#include "store/preferences_file.h"

#include <memory>
#include <optional>
#include <string>

namespace klaxora {

struct ProgramFiles {
    Preferences options;
    // Loaded (and the alarm file rewritten), with no host or rows observer yet.
    std::unique_ptr<AlarmStore> alarms;
    // Why loading "Alarms.dat" failed, when it did. The store is there all the same: it refuses to write
    // over a file it could not read, and the tick reads it again until it can.
    std::optional<UserText> alarmFileError;
};

// Reads "ALARM.INI", then loads "Alarms.dat" into a new store. Throws what LoadPreferences throws. The
// clock and the file system must outlive the store.
ProgramFiles loadProgramFiles(const Clock& clock, FileSystem& fileSystem, const std::string& folder,
                              const DateTimeFormats& formats);

} // namespace klaxora
