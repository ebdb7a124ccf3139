// Klaxora!: starts as the only instance of the user, builds the main window from the two files (beside the
// program, or in the user's data folder when the program's folder cannot be written) and runs until the
// main window has been closed.
#include "app/font_config_warm_up.h"
#include "app/klaxora_application.h"
#include "app/single_instance.h"
#include "app/start_show_command.h"
#include "app/termination_signals.h"
#include "app/user_data_folder.h"
#include "app/user_locale.h"
#include "controls/tray_shell.h"
#include "store/clock.h"
#include "store/file_system.h"
#include "store/heap_tuning.h"
#include "store/program_directory.h"
#include "store/program_files.h"
#include "ui/alarm_options.h"
#include "ui/main_screen.h"
#include "ui/message_boxes.h"
#include "ui/program_style.h"

#include <QLocale>

#include <cstdio>
#include <exception>
#include <future>
#include <memory>

namespace {

// Drawn through shared memory, every repaint of the window is answered by an X event (the memory is free
// again), and the clock's repaint then wakes the program three times a second instead of once. A window
// of this size goes through the socket as fast. Set before the toolkit connects; a value the user set
// stays.
void UseOneWakeUpPerRepaint()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
}

} // namespace

int main(int argc, char** argv)
{
    using namespace klaxora;

    // Before any other thread runs: changing the environment while another thread reads it (fontconfig
    // does) can crash that thread.
    UseOneWakeUpPerRepaint();
    TuneHeapForLongLists();
    // Runs beside the toolkit's own start, on the other processor.
    FontConfigWarmUp fontConfig;
    // Read before the toolkit takes its own arguments out of the list.
    const bool minimizedStart = IsMinimizedStart(StartShowCommand(argc, argv));

    // Taken before the files are read: a second start must not read and rewrite the alarm file of the
    // program that is running.
    const SingleInstance instance("Klaxora");
    const SystemClock clock;
    PosixFileSystem fileSystem;
    MainScreenSetup setup;
    setup.ProgramFolder = ProgramDirectory();
    setup.UserFormats = UserFormatSettings(QLocale::system());
    setup.MinimizedStart = minimizedStart;
    // The notification area is left to the window, which asks the desktop once it is on the screen.

    // The two files are read while the toolkit starts; they need nothing of it.
    std::future<ProgramFiles> files;
    if (!instance.AlreadyRunning()) {
        setup.Folder = ProgramFilesFolder(fileSystem);
        files = std::async(std::launch::async, [&clock, &fileSystem, folder = setup.Folder,
                                                formats = DateTimeFormats(setup.UserFormats)] {
            return LoadProgramFiles(clock, fileSystem, folder, formats);
        });
    }

    KlaxoraApplication app(argc, argv);
    QApplication::setStyle(new ProgramStyle(QApplication::style()->name()));
    // Log-out (SIGTERM), Ctrl-C and a closed terminal end the program as Exit does, without the question;
    // every running event loop ends, also that of a dialog on screen.
    const TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::Requested, &app, [] { QCoreApplication::exit(0); });

    if (instance.AlreadyRunning()) {
        // Also on the error stream, for a start without a desktop to see the box.
        std::fputs("Klaxora! is already running\n", stderr);
        ShowMessageBox(QStringLiteral("Klaxora! is already running"), QStringLiteral("Klaxora!"),
                       MessageBoxStyle::Ok);
        return 0;
    }
    fontConfig.Wait();
    QCoreApplication::processEvents();
    // The program ends when the main window has been closed, not when its last window hides into the
    // notification area or a dialog closes while it sits there.
    QApplication::setQuitOnLastWindowClosed(false);

    std::unique_ptr<TMainScreen> MainScreen;
    try {
        setup.Files = files.get();
        MainScreen = std::make_unique<TMainScreen>(clock, fileSystem, std::move(setup));
    } catch (const std::exception& error) {
        // The alarms could not be read; running on would overwrite them at the first change.
        ShowErrorBox(QString::fromUtf8(error.what()));
        return 1;
    }
    // The options dialog kept for the program's life is not needed before the main window shows (the
    // editor opens one of its own each time), so it is built once the event loop runs, after the first
    // activation has put the window on the screen.
    std::unique_ptr<TAlarmOptions> AlarmOptions;
    QMetaObject::invokeMethod(
        &app, [&] { AlarmOptions = std::make_unique<TAlarmOptions>(MainScreen->OptionsServices()); },
        Qt::QueuedConnection);
    QObject::connect(MainScreen.get(), &TMainScreen::Closed, &app, &QCoreApplication::quit);
    // A signal taken while the window was being built ran outside any event loop and ended none.
    if (termination.WasRequested()) {
        return 0;
    }
    return app.exec();
}
