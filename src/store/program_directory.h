// The folder of the running program, where the alarm file and the preferences live.
#pragma once

#include <string>
#include <string_view>

namespace klaxora {

// The folder part of Path, up to and including its last Separator; a Separator is added when that part
// does not end in one, so a program in a drive's root gives "C:\".
std::string directoryOfPath(std::string_view path, char separator);

// The folder of the running executable (UTF-8), ending in the platform's path separator. The current
// directory plays no part. Empty only if the system cannot name the executable.
std::string programDirectory();

} // namespace klaxora
