// The command's side: hands the request to the running program, or, when none runs, carries it out on
// the alarm files itself under the single-instance lock, so that a program starting meanwhile waits.
#pragma once

#include "command/command_request.h"
#include "store/clock.h"
#include "store/file_system.h"
#include "store/format_settings.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>

namespace klaxora {

struct CommandContext {
    // Where "Alarms.dat" and "ALARM.INI" live, decided as the program decides it at its start (and, like
    // the program, only under the single-instance lock: the decision may bring the files along).
    std::function<std::string()> filesFolder;
    // The running program's socket (CommandSocketPath).
    QString socketPath;
    // The program to start for --show when none runs.
    QString programPath;
    const Clock* wallClock = nullptr;
    FileSystem* files = nullptr;
    const DateTimeFormats* formats = nullptr;
};

// The running program's reply, or nothing when no program listens at `socketPath`. A program that takes
// the request but does not answer within answerMilliseconds() gives ExitFailed.
std::optional<CommandReply> askRunningProgram(const QString& socketPath, const CommandRequest& request);

CommandReply handToProgramOrCarryOut(const CommandRequest& request, const CommandContext& context);

} // namespace klaxora
