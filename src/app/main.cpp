// Klaxora!: starts as the only instance of the user, builds the main window from the two files beside the
// program and runs until the main window has been closed.
#include "app/font_config_warm_up.h"
#include "app/klaxora_application.h"
#include "app/single_instance.h"
#include "app/start_show_command.h"
#include "app/termination_signals.h"
#include "app/user_locale.h"
#include "controls/tray_shell.h"
#include "store/clock.h"
#include "store/file_system.h"
#include "store/program_directory.h"
#include "ui/alarm_options.h"
#include "ui/main_screen.h"
#include "ui/message_boxes.h"

#include <QLocale>

#include <cstdio>
#include <exception>
#include <memory>

int main(int argc, char** argv)
{
    using namespace klaxora;

    // Runs beside the toolkit's own start, on the other processor.
    FontConfigWarmUp fontConfig;
    // Read before the toolkit takes its own arguments out of the list.
    const bool minimizedStart = IsMinimizedStart(StartShowCommand(argc, argv));
    KlaxoraApplication app(argc, argv);
    // Log-out (SIGTERM), Ctrl-C and a closed terminal end the program as Exit does, without the question;
    // every running event loop ends, also that of a dialog on screen.
    const TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::Requested, &app, [] { QCoreApplication::exit(0); });

    const SingleInstance instance("Klaxora");
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

    const SystemClock clock;
    PosixFileSystem fileSystem;
    MainScreenSetup setup;
    setup.Folder = ProgramDirectory();
    setup.UserFormats = UserFormatSettings(QLocale::system());
    setup.MinimizedStart = minimizedStart;
    // The notification area is left to the window, which asks the desktop once it is on the screen.

    std::unique_ptr<TMainScreen> MainScreen;
    try {
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
