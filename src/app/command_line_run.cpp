#include "app/command_line_run.h"

#include "app/program_translations.h"
#include "app/user_data_folder.h"
#include "app/user_locale.h"
#include "command/command_channel.h"
#include "command/command_client.h"
#include "command/command_line.h"
#include "command/password_input.h"
#include "command/single_instance.h"
#include "store/clock.h"
#include "store/file_system.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

#include <cstdio>

namespace klaxora {

namespace {

int print(const CommandReply& reply)
{
    std::fputs(reply.output.c_str(), stdout);
    std::fputs(reply.errors.c_str(), stderr);
    return reply.exitCode;
}

} // namespace

int runCommandLine(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("klaxora"));
    installProgramTranslations(app, QLocale::system());
    const SystemClock clock;
    const DateTimeFormats formats(userFormatSettings(QLocale::system()));
    const CommandLine line =
        readCommandLine(QCoreApplication::arguments(), formats, clock, QDir::currentPath());
    switch (line.action) {
    case CommandLineAction::PrintHelp:
        return print({ExitDone, commandLineHelp().toStdString(), {}});
    case CommandLineAction::PrintHelpWithToolkitOptions:
        return print({ExitDone, commandLineHelp(true).toStdString(), {}});
    case CommandLineAction::PrintVersion:
        return print({ExitDone, "Klaxora! " KLAXORA_VERSION "\n", {}});
    case CommandLineAction::Refuse:
        return print({ExitBadInput,
                      {},
                      "klaxora: " + line.error + "\n" +
                          QCoreApplication::translate("CommandLine", "See klaxora --help.").toStdString() +
                          "\n"});
    case CommandLineAction::StartWindow:
    case CommandLineAction::CarryOut:
        break;
    }
    CommandRequest request = line.request;
    if (request.passwordFromInput) {
        request.password = readPasswordLine();
        if (!request.password)
            return print({ExitBadInput,
                          {},
                          "klaxora: --password-stdin: " +
                              QCoreApplication::translate("CommandLine", "standard input held no password")
                                  .toStdString() +
                              "\n"});
    }
    PosixFileSystem fileSystem;
    CommandContext context;
    context.filesFolder = [&fileSystem] { return programFilesFolder(fileSystem); };
    context.socketPath = commandSocketPath(QString::fromStdString(SingleInstance::defaultFolder()));
    context.programPath = QCoreApplication::applicationFilePath();
    context.wallClock = &clock;
    context.files = &fileSystem;
    context.formats = &formats;
    return print(handToProgramOrCarryOut(request, context));
}

} // namespace klaxora
