#include "store/program_files.h"

namespace klaxora {

ProgramFiles LoadProgramFiles(const Clock& clock, FileSystem& fileSystem, const std::string& folder,
                              const DateTimeFormats& formats)
{
    ProgramFiles files;
    files.Options = LoadPreferences(fileSystem, folder);
    files.Alarms = std::make_unique<AlarmStore>(clock, formats, folder, fileSystem);
    files.Alarms->LoadFromDisk();
    return files;
}

} // namespace klaxora
