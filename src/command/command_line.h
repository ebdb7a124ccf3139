// The program's command line: --add, --list, --import, --export, --calendar, --sync, --show, --help and
// --version, read with QCommandLineParser.
// Without any of the command options the program starts its window (also with -iconic and the toolkit's
// own options); an option that neither knows is refused as in a command.
#pragma once

#include "command/command_request.h"
#include "store/clock.h"
#include "store/format_settings.h"

#include <QString>
#include <QStringList>

#include <string>

namespace klaxora {

enum class CommandLineAction {
    StartWindow,
    CarryOut,
    PrintHelp,
    PrintHelpWithToolkitOptions,
    PrintVersion,
    Refuse
};

struct CommandLine {
    CommandLineAction action = CommandLineAction::StartWindow;
    CommandRequest request;
    // For Refuse: which argument, and why.
    std::string error;
};

// Whether the arguments (the program's name first) start the window; otherwise ReadCommandLine() reads
// them as a command or refuses them.
bool startsTheWindow(const QStringList& arguments);

// Reads and checks the arguments by the editor's rules. TIME and DATE are read in the user's own formats,
// as the editor reads them, and also as 24-hour HH:MM and YYYY-MM-DD; a relative --sound FILE is taken
// from `workingFolder`.
CommandLine readCommandLine(const QStringList& arguments, const DateTimeFormats& formats, const Clock& clock,
                            const QString& workingFolder);

// What --help prints; --help-all adds the toolkit's options.
QString commandLineHelp(bool withToolkitOptions = false);

} // namespace klaxora
