// The folder of the user's own where the program keeps its files when it cannot keep them beside itself.
#pragma once

#include "store/file_system.h"

#include <string>

namespace klaxora {

// The user's data folder for the program ("~/.local/share/klaxora/" on Linux), ending in a separator.
std::string userDataFolder();

// Where this run keeps "Alarms.dat" and "ALARM.INI": beside the program when that folder can be written,
// otherwise the user's data folder (see ChooseFilesFolder). Every way into the files asks this.
std::string programFilesFolder(FileSystem& fileSystem);

} // namespace klaxora
