// The calendar sync's part of the command line: --calendar URL --user NAME --password-stdin
// [--allow-unencrypted], --calendar off, and --sync [--password-stdin], read from the parsed arguments.
#pragma once

#include "command/command_line.h"

#include <QCommandLineParser>

#include <optional>

namespace klaxora {

// The refusal of --user, --password-stdin or --allow-unencrypted given without the command it belongs to.
std::optional<CommandLine> strayCalendarSyncOption(const QCommandLineParser& parser);

// The request of --calendar or --sync, or the refusal of a bad combination or address.
CommandLine readCalendarSyncCommand(const QCommandLineParser& parser);

} // namespace klaxora
