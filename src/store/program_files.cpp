#include "store/program_files.h"

#include <exception>

namespace klaxora {

ProgramFiles LoadProgramFiles(const Clock& clock, FileSystem& fileSystem, const std::string& folder,
                              const DateTimeFormats& formats)
{
    ProgramFiles files;
    files.Options = LoadPreferences(fileSystem, folder);
    files.Alarms = std::make_unique<AlarmStore>(clock, formats, folder, fileSystem);
    try {
        files.Alarms->LoadFromDisk();
    } catch (const std::exception& error) {
        // A file not there yet at a log-in (a home folder mounted late) must not cost the day's alarms.
        files.AlarmFileError = error.what();
    }
    return files;
}

} // namespace klaxora
