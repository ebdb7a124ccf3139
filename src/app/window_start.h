// The program with its window: everything a start without a command does, from the single-instance
// test to the end of the event loop. Built into the window module (window_module.cpp); the program
// itself (main.cpp) loads it only when no command was given.
#pragma once

namespace klaxora {

int runWindow(int argc, char** argv);

} // namespace klaxora
