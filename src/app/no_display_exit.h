// While the toolkit connects to its window system. Finding no display, Qt ends the program with an abort
// (a core dump) after a screenful of plug-in advice; while a NoDisplayExit lives, that fatal message ends
// the program with one line of its own and exit code 1 instead. What the toolkit says meanwhile is held
// and passed on as it would have been once the NoDisplayExit ends, the toolkit having connected.
#pragma once

#include <string>

namespace klaxora {

class NoDisplayExit {
public:
    // `line`: what the program says, without the line break.
    explicit NoDisplayExit(std::string line);
    ~NoDisplayExit();
    NoDisplayExit(const NoDisplayExit&) = delete;
    NoDisplayExit& operator=(const NoDisplayExit&) = delete;

private:
    std::string line_;
};

} // namespace klaxora
