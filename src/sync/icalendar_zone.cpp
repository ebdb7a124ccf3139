#include "sync/icalendar_zone.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace klaxora {

namespace {

constexpr std::string_view ZoneFolder = "zoneinfo/";

bool looksLikeZoneName(const std::string& name)
{
    return !name.empty() && name.find_first_of(" ,<>") == std::string::npos &&
           (name.find('/') != std::string::npos || name == "UTC");
}

} // namespace

std::string systemZoneName(FileSystem& fileSystem)
{
    if (const char* tz = std::getenv("TZ"); tz != nullptr && *tz != '\0') {
        std::string name = tz[0] == ':' ? tz + 1 : tz;
        if (const auto at = name.find(ZoneFolder); at != std::string::npos)
            name = name.substr(at + ZoneFolder.size());
        return looksLikeZoneName(name) ? name : std::string();
    }
    std::string contents;
    if (fileSystem.readWholeFile("/etc/timezone", contents) == 0) {
        std::string name = contents.substr(0, contents.find_first_of(" \t\r\n"));
        if (looksLikeZoneName(name))
            return name;
    }
    std::error_code error;
    const std::string target = std::filesystem::read_symlink("/etc/localtime", error).string();
    if (const auto at = target.find(ZoneFolder); !error && at != std::string::npos) {
        std::string name = target.substr(at + ZoneFolder.size());
        if (looksLikeZoneName(name))
            return name;
    }
    return {};
}

} // namespace klaxora
