// Where "Alarms.dat" and "ALARM.INI" live: beside the program when the user can write there (a portable
// copy, a per-user install), otherwise in a folder of the user's own (a system-wide install).
#pragma once

#include "store/file_system.h"

#include <string>

namespace klaxora {

// Decided once as the program starts. `programFolder` and `userFolder` end in a path separator.
// When the program's folder cannot be written, the user's folder is made (readable by the user alone) and
// each of the two files that it lacks but that stands beside the program is copied into it, so that
// alarms brought along on a read-only medium are kept. Should the user's folder not take them, the
// program's folder is kept: the alarms show, and every save says that it failed.
std::string chooseFilesFolder(FileSystem& fileSystem, const std::string& programFolder,
                              const std::string& userFolder);

} // namespace klaxora
