// --password-stdin: the calendar password as one line of the command's standard input, so that it shows
// neither in the arguments, which every user of the computer can read, nor in the shell's history.
#pragma once

#include <optional>
#include <string>

namespace klaxora {

// The line without its line end. From a terminal it is asked for on standard error and not echoed. None
// when the input holds no password.
std::optional<std::string> readPasswordLine();

} // namespace klaxora
