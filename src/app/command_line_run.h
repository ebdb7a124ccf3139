// A start with a command (--add, --list, --show, --help, --version): read the arguments, hand the
// command to the running program or carry it out on the files, print the answer, return the exit code.
// Qt Core and Qt Network only.
#pragma once

namespace klaxora {

int runCommandLine(int argc, char** argv);

} // namespace klaxora
