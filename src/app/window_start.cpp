// Klaxora! with its window: starts as the only instance of the user, builds the main window from the two
// files (beside the program, or in the user's data folder when the program's folder cannot be written)
// and runs until the main window has been closed. Commands from the command line reach it through
// its socket.
#include "app/window_start.h"

#include "app/display_platform.h"
#include "app/klaxora_application.h"
#include "app/no_display_exit.h"
#include "app/program_translations.h"
#include "app/start_show_command.h"
#include "app/termination_signals.h"
#include "app/user_data_folder.h"
#include "app/user_locale.h"
#include "command/command_channel.h"
#include "command/command_server.h"
#include "command/single_instance.h"
#include "command/translated_text.h"
#include "controls/tray_shell.h"
#include "engine/converted_sounds.h"
#include "engine/qt_sound_backend.h"
#include "store/clock.h"
#include "store/file_system.h"
#include "store/program_directory.h"
#include "store/program_files.h"
#include "ui/alarm_options_dialog.h"
#include "ui/main_screen.h"
#include "ui/message_boxes.h"
#include "ui/program_style.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QLocale>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>

namespace klaxora {

namespace {

const char* environment(const char* name)
{
    return std::getenv(name);
}

// Drawn through shared memory, every repaint of the window is answered by an X event (the memory is free
// again), and the clock's repaint then wakes the program three times a second instead of once. A window
// of this size goes through the socket as fast. Measured: 60 wake-ups a minute instead of 186, and the
// window maps 11% sooner (bench/desktop.sh, both side by side). Set before the toolkit connects, and
// only for X11; a value the user set stays.
void useOneWakeUpPerRepaint(int argc, char** argv)
{
    if (startsOnX11(argc, argv, environment) && !qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
}

QString socketPath()
{
    return commandSocketPath(QString::fromStdString(SingleInstance::defaultFolder()));
}

bool programAnswers()
{
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    return socket.waitForConnected(CommandAnswerMilliseconds);
}

// Taken before the files are read: a second start must not read and rewrite the alarm file of the
// program that is running. A command that works on the files while no program runs holds the lock for
// a moment; the start waits for it, while a running program answers on its socket at once.
void takeInstanceLock(std::optional<SingleInstance>& instance)
{
    const QDeadlineTimer deadline(CommandAnswerMilliseconds);
    instance.emplace("Klaxora");
    while (instance->alreadyRunning() && !deadline.hasExpired() && !programAnswers()) {
        QThread::msleep(5);
        instance.reset();
        instance.emplace("Klaxora");
    }
}

// A start without a display (over ssh, from cron) ends here with one line and exit code 1.
std::unique_ptr<KlaxoraApplication> connectToDisplay(int& argc, char** argv)
{
    const NoDisplayExit noDisplay(noWindowSystemLine(argc, argv, environment));
    return std::make_unique<KlaxoraApplication>(argc, argv);
}

} // namespace

int runWindow(int argc, char** argv)
{
    // Before any other thread runs: changing the environment while another thread reads it (fontconfig
    // does) can crash that thread.
    useOneWakeUpPerRepaint(argc, argv);
    // Read before the toolkit takes its own arguments out of the list.
    const bool minimizedStart = isMinimizedStart(startShowCommand(argc, argv));

    std::optional<SingleInstance> instance;
    takeInstanceLock(instance);
    const SystemClock clock;
    PosixFileSystem fileSystem;
    MainScreenSetup setup;
    setup.programFolder = programDirectory();
    setup.userFormats = userFormatSettings(QLocale::system());
    setup.minimizedStart = minimizedStart;
    // The notification area is left to the window, which asks the desktop once it is on the screen, and
    // the two files to the window, which reads them as it is built.
    if (!instance->alreadyRunning()) {
        const QString instanceFolder = QString::fromStdString(SingleInstance::defaultFolder());
        if (instance->held()) {
            removeLeftoverConvertedSounds(instanceFolder);
        }
        setup.sound = std::make_unique<QtSoundBackend>(convertedSoundsFolder(instanceFolder));
        setup.folder = programFilesFolder(fileSystem);
    }

    const std::unique_ptr<KlaxoraApplication> application = connectToDisplay(argc, argv);
    KlaxoraApplication& app = *application;
    QApplication::setStyle(new ProgramStyle(QApplication::style()->name()));
    installProgramTranslations(app, QLocale::system());
    // Log-out (SIGTERM), Ctrl-C and a closed terminal end the program as Exit does, without the question;
    // every running event loop ends, also that of a dialog on screen.
    const TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::requested, &app, [] { QCoreApplication::exit(0); });

    if (instance->alreadyRunning()) {
        // Also on the error stream, for a start without a desktop to see the box.
        std::fputs("Klaxora! is already running\n", stderr);
        showMessageBox(QCoreApplication::translate("WindowStart", "Klaxora! is already running"),
                       QStringLiteral("Klaxora!"), MessageBoxStyle::Ok);
        return 0;
    }
    QCoreApplication::processEvents();
    // The program ends when the main window has been closed, not when its last window hides into the
    // notification area or a dialog closes while it sits there.
    QApplication::setQuitOnLastWindowClosed(false);

    std::unique_ptr<MainScreen> mainScreen;
    try {
        mainScreen = std::make_unique<MainScreen>(clock, fileSystem, std::move(setup));
    } catch (const std::exception& error) {
        // The preferences could not be read. (An unreadable alarm file is shown by the window, which
        // runs on without overwriting it.)
        showErrorBox(QString::fromStdString(translatedError(error)));
        return 1;
    }
    // The options dialog kept for the program's life (the editor opens one of its own each time).
    const AlarmOptionsDialog alarmOptions(mainScreen->optionsServices());
    QObject::connect(mainScreen.get(), &MainScreen::closed, &app, &QCoreApplication::quit);
    // Commands from the command line, once the alarms are loaded.
    CommandServer commands([&mainScreen](const CommandRequest& request, const CommandReplyCallback& reply) {
        mainScreen->carryOut(request, reply);
    });
    if (!commands.listen(socketPath())) {
        std::fprintf(stderr, "Klaxora!: commands from the command line cannot reach this program: %s\n",
                     qPrintable(commands.errorText()));
    }
    // A signal taken while the window was being built ran outside any event loop and ended none.
    if (termination.wasRequested()) {
        return 0;
    }
    return app.exec();
}

} // namespace klaxora
