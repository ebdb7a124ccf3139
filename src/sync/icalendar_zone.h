// The system's time zone by its name in the zone database ("Europe/Berlin"), as libical knows it.
#pragma once

#include "store/file_system.h"

#include <string>

namespace klaxora {

// From TZ, else /etc/timezone, else the link /etc/localtime; empty when none names a zone. A TZ that is
// a rule ("CET-1CEST") rather than a name gives empty too.
std::string systemZoneName(FileSystem& fileSystem);

} // namespace klaxora
