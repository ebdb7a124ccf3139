#include "app/display_platform.h"

#include <string_view>

namespace klaxora {

namespace {

const char* namedPlatform(int argc, const char* const* argv,
                          const std::function<const char*(const char*)>& environment)
{
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-platform" || argument == "--platform") {
            return argv[i + 1];
        }
    }
    const char* variable = environment("QT_QPA_PLATFORM");
    return variable != nullptr && *variable != '\0' ? variable : nullptr;
}

} // namespace

bool startsOnX11(int argc, const char* const* argv,
                 const std::function<const char*(const char*)>& environment)
{
    if (const char* named = namedPlatform(argc, argv, environment)) {
        return std::string_view(named).substr(0, 3) == "xcb";
    }
    const char* sessionType = environment("XDG_SESSION_TYPE");
    const bool waylandSession = sessionType != nullptr && std::string_view(sessionType) == "wayland";
    return !waylandSession && environment("WAYLAND_DISPLAY") == nullptr;
}

std::string noWindowSystemLine(int argc, const char* const* argv,
                               const std::function<const char*(const char*)>& environment)
{
    if (const char* named = namedPlatform(argc, argv, environment)) {
        return std::string("Klaxora!: the window cannot be shown through the platform '") + named +
               "' (named by -platform or QT_QPA_PLATFORM): it found no display or is not installed";
    }
    return "Klaxora!: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set or "
           "cannot be reached)";
}

} // namespace klaxora
