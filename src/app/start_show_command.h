// How the program was asked to show itself at start: normally, or minimised (from an autostart entry).
#pragma once

namespace klaxora {

// The show-window values the first activation distinguishes.
enum class ShowCommand : int {
    Normal = 1,
    ShowMinimized = 2,
    Minimize = 6,
    ShowMinNoActive = 7,
    ShowDefault = 10
};

bool isMinimizedStart(ShowCommand command);

// On Linux the X toolkit convention: "-iconic" among the arguments asks for a minimised start.
// On Windows the show-window value of the start-up information.
ShowCommand startShowCommand(int argc, const char* const* argv);

} // namespace klaxora
