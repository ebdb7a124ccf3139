// Klaxora!: a start with a command (klaxora --help lists them) is carried out, and an option that is not
// known refused, with Qt Core and Qt Network alone; any other start loads the window module, which runs
// the program with its window. So a command maps neither the widgets nor the sound libraries: "klaxora
// --add" to a running program takes 14 ms so, against 23 ms in a program linked with them
// (bench/command_line.sh, both side by side).
#include "app/command_line_run.h"
#include "app/embedded_module.h"
#include "command/command_line.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <string>

// The window module's file, placed in the program by the build (cmake/EmbeddedModule.cmake).
extern "C" const unsigned char klaxora_window_module_begin[];
extern "C" const unsigned char klaxora_window_module_end[];

namespace {

int runWindowModule(int argc, char** argv)
{
    std::string error;
    void* entry = klaxora::loadEmbeddedModule("klaxora-window", klaxora_window_module_begin,
                                              klaxora_window_module_end, "klaxoraRunWindow", error);
    if (entry == nullptr) {
        std::fprintf(stderr, "Klaxora!: the window module cannot be loaded: %s\n", error.c_str());
        return 1;
    }
    using Run = int (*)(int, char**);
    return reinterpret_cast<Run>(entry)(argc, argv);
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments += QString::fromLocal8Bit(argv[i]);
    }
    if (!klaxora::startsTheWindow(arguments)) {
        return klaxora::runCommandLine(argc, argv);
    }
    return runWindowModule(argc, argv);
}
