#include "store/program_files.h"

#include <exception>

namespace klaxora {

ProgramFiles loadProgramFiles(const Clock& clock, FileSystem& fileSystem, const std::string& folder,
                              const DateTimeFormats& formats)
{
    ProgramFiles files;
    files.options = loadPreferences(fileSystem, folder);
    files.alarms = std::make_unique<AlarmStore>(clock, formats, folder, fileSystem);
    try {
        files.alarms->loadFromDisk();
    } catch (const std::exception& error) {
        // A file not there yet at a log-in (a home folder mounted late) must not cost the day's alarms.
        files.alarmFileError = userTextOf(error);
    }
    return files;
}

} // namespace klaxora
