#include "app/start_show_command.h"

#include <string_view>

#ifdef _WIN32
#include <windows.h>
#endif

namespace klaxora {

bool isMinimizedStart(ShowCommand command)
{
    return command == ShowCommand::ShowMinimized || command == ShowCommand::Minimize ||
           command == ShowCommand::ShowMinNoActive;
}

ShowCommand startShowCommand(int argc, const char* const* argv)
{
#ifdef _WIN32
    (void)argc;
    (void)argv;
    STARTUPINFOW info{};
    info.cb = sizeof(info);
    GetStartupInfoW(&info);
    return static_cast<ShowCommand>(info.wShowWindow);
#else
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-iconic" || arg == "--iconic") {
            return ShowCommand::ShowMinimized;
        }
    }
    return ShowCommand::ShowDefault;
#endif
}

} // namespace klaxora
