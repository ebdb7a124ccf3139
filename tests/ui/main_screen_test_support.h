// A main window on a scratch folder with a fixed clock, a notification area that only records, and
// sound that plays nothing: what the main window tests share.
#pragma once

#include "controls/fake_tray_shell.h"
#include "controls/flat_button.h"
#include "engine/fake_sound_backend.h"
#include "store/clock.h"
#include "store/file_system.h"
#include "store/preferences_file.h"
#include "store/store_test_support.h"
#include "support/alarm_lines.h"
#include "support/named_child.h"
#include "ui/alarm_list_view.h"
#include "ui/main_screen.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include <memory>
#include <string>
#include <vector>

namespace klaxora::test {

inline const char* const TwoFutureAlarms = "10:00am^Dentist^^3^06/12/2026^^0\r\n"
                                           "11:00am^Market^^3^06/13/2026^^0\r\n";

class MainScreenTest : public ::testing::Test {
protected:
    // Writes the alarm file and the preferences before the window reads them.
    void prepare(const std::string& alarmLines, const Preferences& preferences = {})
    {
        klaxora::testing::writeFile(alarmFile(), alarmLines);
        savePreferences(fileSystem, folder.path(), preferences);
    }

    // Creates the window and lets the event loop start, which runs the first activation.
    MainScreen& create(bool minimizedStart = false, bool notificationArea = false)
    {
        MainScreenSetup setup;
        setup.folder = folder.path();
        setup.userFormats = userFormats;
        setup.minimizedStart = minimizedStart;
        setup.notificationAreaAvailable = notificationArea;
        setup.tray = std::make_unique<FakeTrayShell>(trayCalls);
        sound->hasOutput = false; // the player only beeps, and the beep is written down
        setup.sound = std::make_unique<FakeSoundBackend>(sound);
        setup.files = std::move(filesReadBefore);
        window = std::make_unique<MainScreen>(clock, fileSystem, std::move(setup));
        QApplication::processEvents();
        QApplication::processEvents();
        return *window;
    }

    // The parts of the window last created, by their names.
    template <typename Part>
    Part* find(const char* name) const
    {
        return klaxora::testing::namedChild<Part>(*window, name);
    }
    FlatButton* button(const char* name) const { return find<FlatButton>(name); }
    QAction* action(const char* name) const { return find<QAction>(name); }
    QMenu* menu(const char* name) const { return find<QMenu>(name); }
    AlarmListView* alarmList() const { return find<AlarmListView>("alarmList"); }

    std::string alarmFile() const { return folder.file("Alarms.dat"); }
    // The seven fields of each line; the identities are random.
    std::string alarmFileText() const { return withoutUids(klaxora::testing::readFile(alarmFile())); }
    bool trayIconShown() const
    {
        return !trayCalls.empty() && trayCalls.back().message != TrayShellMessage::NIM_DELETE;
    }

    // Wednesday 10 June 2026, 9 in the morning.
    FakeClock clock{klaxora::testing::at(2026, 6, 10, 9, 0)};
    klaxora::testing::TempFolder folder;
    klaxora::testing::FaultyFileSystem fileSystem;
    std::vector<RecordedTrayCall> trayCalls;
    std::shared_ptr<FakeSoundBackend::Shared> sound = std::make_shared<FakeSoundBackend::Shared>();
    FormatSettings userFormats = klaxora::testing::usUser();
    // What the program reads before the window exists; empty, the window reads the files itself.
    ProgramFiles filesReadBefore;
    std::unique_ptr<MainScreen> window;
};

} // namespace klaxora::test
