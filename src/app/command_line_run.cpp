#include "app/command_line_run.h"

#include "app/user_data_folder.h"
#include "app/user_locale.h"
#include "command/command_channel.h"
#include "command/command_client.h"
#include "command/command_line.h"
#include "command/single_instance.h"
#include "store/clock.h"
#include "store/file_system.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

#include <cstdio>

namespace klaxora {

namespace {

int Print(const CommandReply& reply)
{
    std::fputs(reply.Output.c_str(), stdout);
    std::fputs(reply.Errors.c_str(), stderr);
    return reply.ExitCode;
}

} // namespace

int RunCommandLine(int argc, char** argv)
{
    const QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("klaxora"));
    const SystemClock clock;
    const DateTimeFormats formats(UserFormatSettings(QLocale::system()));
    const CommandLine line =
        ReadCommandLine(QCoreApplication::arguments(), formats, clock, QDir::currentPath());
    switch (line.Action) {
    case CommandLineAction::PrintHelp:
        return Print({ExitDone, CommandLineHelp().toStdString(), {}});
    case CommandLineAction::PrintHelpWithToolkitOptions:
        return Print({ExitDone, CommandLineHelp(true).toStdString(), {}});
    case CommandLineAction::PrintVersion:
        return Print({ExitDone, "Klaxora! " KLAXORA_VERSION "\n", {}});
    case CommandLineAction::Refuse:
        return Print({ExitBadInput, {}, "klaxora: " + line.Error + "\nSee klaxora --help.\n"});
    case CommandLineAction::StartWindow:
    case CommandLineAction::CarryOut:
        break;
    }
    PosixFileSystem fileSystem;
    CommandContext context;
    context.FilesFolder = [&fileSystem] { return ProgramFilesFolder(fileSystem); };
    context.SocketPath = CommandSocketPath(QString::fromStdString(SingleInstance::DefaultFolder()));
    context.ProgramPath = QCoreApplication::applicationFilePath();
    context.WallClock = &clock;
    context.Files = &fileSystem;
    context.Formats = &formats;
    return Print(HandToProgramOrCarryOut(line.Request, context));
}

} // namespace klaxora
