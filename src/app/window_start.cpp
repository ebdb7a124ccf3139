// Klaxora! with its window: starts as the only instance of the user, builds the main window from the two
// files (beside the program, or in the user's data folder when the program's folder cannot be written)
// and runs until the main window has been closed. Commands from the command line reach it through
// its socket.
#include "app/window_start.h"

#include "app/display_platform.h"
#include "app/klaxora_application.h"
#include "app/no_display_exit.h"
#include "app/start_show_command.h"
#include "app/termination_signals.h"
#include "app/user_data_folder.h"
#include "app/user_locale.h"
#include "command/command_channel.h"
#include "command/command_server.h"
#include "command/single_instance.h"
#include "controls/tray_shell.h"
#include "engine/converted_sounds.h"
#include "engine/qt_sound_backend.h"
#include "store/clock.h"
#include "store/file_system.h"
#include "store/program_directory.h"
#include "store/program_files.h"
#include "ui/alarm_options.h"
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

const char* Environment(const char* name)
{
    return std::getenv(name);
}

// Drawn through shared memory, every repaint of the window is answered by an X event (the memory is free
// again), and the clock's repaint then wakes the program three times a second instead of once. A window
// of this size goes through the socket as fast. Measured: 60 wake-ups a minute instead of 186, and the
// window maps 11% sooner (bench/desktop.sh, both side by side). Set before the toolkit connects, and
// only for X11; a value the user set stays.
void UseOneWakeUpPerRepaint(int argc, char** argv)
{
    if (StartsOnX11(argc, argv, Environment) && !qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
}

QString SocketPath()
{
    return CommandSocketPath(QString::fromStdString(SingleInstance::DefaultFolder()));
}

bool ProgramAnswers()
{
    QLocalSocket socket;
    socket.connectToServer(SocketPath());
    return socket.waitForConnected(CommandAnswerMilliseconds);
}

// Taken before the files are read: a second start must not read and rewrite the alarm file of the
// program that is running. A command that works on the files while no program runs holds the lock for
// a moment; the start waits for it, while a running program answers on its socket at once.
void TakeInstanceLock(std::optional<SingleInstance>& instance)
{
    const QDeadlineTimer deadline(CommandAnswerMilliseconds);
    instance.emplace("Klaxora");
    while (instance->AlreadyRunning() && !deadline.hasExpired() && !ProgramAnswers()) {
        QThread::msleep(5);
        instance.reset();
        instance.emplace("Klaxora");
    }
}

// A start without a display (over ssh, from cron) ends here with one line and exit code 1.
std::unique_ptr<KlaxoraApplication> ConnectToDisplay(int& argc, char** argv)
{
    const NoDisplayExit noDisplay(NoWindowSystemLine(argc, argv, Environment));
    return std::make_unique<KlaxoraApplication>(argc, argv);
}

} // namespace

int RunWindow(int argc, char** argv)
{
    // Before any other thread runs: changing the environment while another thread reads it (fontconfig
    // does) can crash that thread.
    UseOneWakeUpPerRepaint(argc, argv);
    // Read before the toolkit takes its own arguments out of the list.
    const bool minimizedStart = IsMinimizedStart(StartShowCommand(argc, argv));

    std::optional<SingleInstance> instance;
    TakeInstanceLock(instance);
    const SystemClock clock;
    PosixFileSystem fileSystem;
    MainScreenSetup setup;
    setup.ProgramFolder = ProgramDirectory();
    setup.UserFormats = UserFormatSettings(QLocale::system());
    setup.MinimizedStart = minimizedStart;
    // The notification area is left to the window, which asks the desktop once it is on the screen, and
    // the two files to the window, which reads them as it is built.
    if (!instance->AlreadyRunning()) {
        const QString instanceFolder = QString::fromStdString(SingleInstance::DefaultFolder());
        if (instance->Held()) {
            RemoveLeftoverConvertedSounds(instanceFolder);
        }
        setup.Sound = std::make_unique<QtSoundBackend>(ConvertedSoundsFolder(instanceFolder));
        setup.Folder = ProgramFilesFolder(fileSystem);
    }

    const std::unique_ptr<KlaxoraApplication> application = ConnectToDisplay(argc, argv);
    KlaxoraApplication& app = *application;
    QApplication::setStyle(new ProgramStyle(QApplication::style()->name()));
    // Log-out (SIGTERM), Ctrl-C and a closed terminal end the program as Exit does, without the question;
    // every running event loop ends, also that of a dialog on screen.
    const TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::Requested, &app, [] { QCoreApplication::exit(0); });

    if (instance->AlreadyRunning()) {
        // Also on the error stream, for a start without a desktop to see the box.
        std::fputs("Klaxora! is already running\n", stderr);
        ShowMessageBox(QStringLiteral("Klaxora! is already running"), QStringLiteral("Klaxora!"),
                       MessageBoxStyle::Ok);
        return 0;
    }
    QCoreApplication::processEvents();
    // The program ends when the main window has been closed, not when its last window hides into the
    // notification area or a dialog closes while it sits there.
    QApplication::setQuitOnLastWindowClosed(false);

    std::unique_ptr<TMainScreen> MainScreen;
    try {
        MainScreen = std::make_unique<TMainScreen>(clock, fileSystem, std::move(setup));
    } catch (const std::exception& error) {
        // The preferences could not be read. (An unreadable alarm file is shown by the window, which
        // runs on without overwriting it.)
        ShowErrorBox(QString::fromUtf8(error.what()));
        return 1;
    }
    // The options dialog kept for the program's life (the editor opens one of its own each time).
    const TAlarmOptions AlarmOptions(MainScreen->OptionsServices());
    QObject::connect(MainScreen.get(), &TMainScreen::Closed, &app, &QCoreApplication::quit);
    // Commands from the command line, once the alarms are loaded.
    CommandServer commands(
        [&MainScreen](const CommandRequest& request) { return MainScreen->CarryOut(request); });
    if (!commands.Listen(SocketPath())) {
        std::fprintf(stderr, "Klaxora!: commands from the command line cannot reach this program: %s\n",
                     qPrintable(commands.ErrorText()));
    }
    // A signal taken while the window was being built ran outside any event loop and ended none.
    if (termination.WasRequested()) {
        return 0;
    }
    return app.exec();
}

} // namespace klaxora
