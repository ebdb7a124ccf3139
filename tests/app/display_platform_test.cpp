#include "app/display_platform.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace klaxora {
namespace {

struct Start {
    std::vector<const char*> arguments;
    std::map<std::string, std::string> environment;
    bool x11;
};

TEST(DisplayPlatform, TheX11OnlySettingsFollowTheToolkitsChoiceOfPlatform)
{
    const Start starts[] = {
        {{}, {{"DISPLAY", ":0"}}, true},
        {{}, {{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}}, false},
        {{}, {{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "wayland"}}, false},
        {{}, {{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "x11"}}, true},
        // A platform asked for by name wins over the session, first in a list of fallbacks.
        {{}, {{"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", "wayland-0"}}, true},
        {{}, {{"QT_QPA_PLATFORM", "wayland;xcb"}, {"DISPLAY", ":0"}}, false},
        {{}, {{"QT_QPA_PLATFORM", "offscreen"}, {"DISPLAY", ":0"}}, false},
        {{}, {{"QT_QPA_PLATFORM", ""}, {"DISPLAY", ":0"}}, true},
        {{"-platform", "wayland"}, {{"QT_QPA_PLATFORM", "xcb"}}, false},
        {{"--platform", "xcb:nomitshm"}, {{"WAYLAND_DISPLAY", "wayland-0"}}, true},
        // "-platform" as the last word names nothing.
        {{"-platform"}, {{"WAYLAND_DISPLAY", "wayland-0"}}, false},
    };
    for (const Start& start : starts) {
        std::vector<const char*> argv{"klaxora"};
        argv.insert(argv.end(), start.arguments.begin(), start.arguments.end());
        const auto environment = [&](const char* name) -> const char* {
            const auto found = start.environment.find(name);
            return found == start.environment.end() ? nullptr : found->second.c_str();
        };
        std::string described;
        for (const auto& [name, value] : start.environment) {
            described += name + "=" + value + " ";
        }
        EXPECT_EQ(startsOnX11(static_cast<int>(argv.size()), argv.data(), environment), start.x11)
            << described;
    }
}

} // namespace
} // namespace klaxora
