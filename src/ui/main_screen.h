// MainScreen: the main window. It owns the alarm store with its lists, the list view, the alarm engine
// (the alarm timer, the notification dialog and the sound player), the tray icon and the preferences, and
// runs the window's life: creation with the loading of preferences and alarms, the first activation that
// decides how the window first shows and switches the alarm timer on, minimising to the task bar or into the
// notification area and back, help, About, and closing after a question.
#pragma once

#include "command/command_request.h"
#include "engine/alarm_engine.h"
#include "engine/sound_backend.h"
#include "engine/sound_menu_commands.h"
#include "store/alarm_store.h"
#include "store/alarm_store_ui.h"
#include "store/clock.h"
#include "store/file_system.h"
#include "store/format_settings.h"
#include "store/preferences_file.h"
#include "store/program_files.h"
#include "sync/calendar_password.h"
#include "sync/calendar_sync.h"
#include "ui/alarm_commands.h"
#include "ui/alarm_options_dialog.h"

#include <QEvent>
#include <QIcon>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QCheckBox;
class QMenu;

namespace klaxora {

class AlarmListModel;
class AlarmListView;
class BevelPanel;
class FlatButton;
class TrayIcon;
class TrayShell;

// What the creator of the main window decides for it.
struct MainScreenSetup {
    // Where "Alarms.dat" and "ALARM.INI" live.
    std::string folder;
    // The program's own folder, where the file choosers start and the help files are looked for; empty
    // when it is the folder of the two files.
    std::string programFolder;
    FormatSettings userFormats;
    // The start-up show command asked for a minimised start.
    bool minimizedStart = false;
    // The desktop has a notification area; only then does minimising go into it. Unset, the window
    // asks the desktop at its first activation: the question costs a round trip to the session bus,
    // which need not hold up the window's first showing.
    std::optional<bool> notificationAreaAvailable;
    // Read beforehand by the caller with the window's clock and file system; without a store the window
    // reads them itself.
    ProgramFiles files;
    // Null for the desktop's notification area and the platform's audio.
    std::unique_ptr<TrayShell> tray;
    std::unique_ptr<SoundBackend> sound;
};

class MainScreen : public QMainWindow,
                   private AlarmStoreHost,
                   private AlarmEngineWindow,
                   private AlarmCommandsHost {
    Q_OBJECT

public:
    // The private message that hides the window into the notification area once a minimising has been
    // processed.
    static constexpr QEvent::Type HideToTrayEvent = static_cast<QEvent::Type>(QEvent::User + 43);
    static constexpr int MainHelpTopic = 1009;

    // Takes the preferences and the alarms from the setup, or reads them (FormCreate). A failure to read
    // the alarm file is shown once the event loop runs, and the caption tells it until the file reads.
    // A failure to read the preferences throws. The clock and the file system must outlive
    // the window. The first activation runs from the event loop.
    MainScreen(const Clock& clock, FileSystem& fileSystem, MainScreenSetup setup, QWidget* parent = nullptr);
    ~MainScreen() override;

    AlarmStore& store() override { return *store_; }
    AlarmEngine& engine() { return *engine_; }
    const Preferences& currentPreferences() const { return preferences_; }
    bool firstActivatePending() const { return firstActivate_; }
    // The application help file that Help "Contents" opens.
    const QString& helpFile() const { return helpFile_; }
    // What the options dialogs need of the program: Play Now, the file choice and the program's folder.
    AlarmOptionsServices optionsServices();
    // The sync with a CalDAV calendar, made once the alarms are loaded, and the keychain of its password.
    // While "Calendar.dat" cannot be read the sync is made at its next use, which throws InOutError
    // then.
    CalendarSync& calendarSync();
    CalendarPasswords& calendarPasswords() { return calendarPasswords_; }

    // A command from the command line: --add stores the alarm as Add Alarm does, without a window;
    // --list lists the alarms; --import and --export read and write a calendar file as the File menu
    // does; --calendar and --sync connect, turn off or run the calendar sync, and reply once the server
    // has answered; --show brings the window forward, also out of the notification area.
    void carryOut(const CommandRequest& request, const CommandReplyCallback& reply);
    // Asks for the calendar file of Import Alarms… and Export Alarms… (`saving` for the second); an
    // empty name cancels. A file dialog unless set otherwise.
    using CalendarFileChooser = std::function<QString(QWidget* parent, bool saving)>;
    void setCalendarFileChooser(CalendarFileChooser chooser) { chooseCalendarFile_ = std::move(chooser); }

    // The first activation: decides how the window first shows and switches the alarm timer on. It runs
    // from the event loop after the window's creation, and does nothing the second time.
    void formActivate();

signals:
    // The close was confirmed: the program ends.
    void closed();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The handlers of the buttons, the menus and the tray icon.
    void minimizeButtonClick();
    void trayIconClick();
    void exitButtonClick();
    void toggleUseTray();
    void toggleNoAlarmSound();
    void selectSoundFile();
    void importAlarms();
    void exportAlarms();
    void showCalendarReply(const CommandReply& reply);
    CalendarFiles calendarFiles() const;
    void createCalendarSync();
    void showCalendarDialog();
    void startCalendarSync();
    void startCalendarSyncAtFirstActivation();
    void askCalendarPassword();
    void calendarSyncFinished(const CalendarSyncReport& report);
    void showHelpContents();
    void showProductPage();
    void showAbout();
    void showTodayOnlyClick();

    void formCreate(ProgramFiles files);
    void formResize();
    void wmHideToTray();
    bool notificationAreaAvailable();
    void applyProgramIcon();
    void formDestroy();
    void buildLayout();
    void buildMenus();
    void buildTrayIcon(std::unique_ptr<TrayShell> shell);
    void wireCommands();
    void syncMenuChecks();
    void saveCurrentPreferences();

    // AlarmStoreHost
    void processPendingEvents() override;
    int selectedRow() const override;
    void selectRow(int index) override;
    void focusListIfVisible() override;
    void updateButtons() override;
    // AlarmEngineWindow
    void showClockText(const QString& text) override;
    void repaintAlarmList() override;
    void showAlarmFileState();
    void showError(const QString& text) override;
    // AlarmCommandsHost
    const Clock& wallClock() const override { return clock_; }
    AlarmTimer& alarmTimer() override;
    void focusAlarmList() override;
    std::string defaultWaveFile() const override { return preferences_.defaultWaveFile; }
    bool noAlarmSound() const override { return preferences_.noAlarmSound; }
    std::unique_ptr<AlarmEditor> createEditor() override;
    bool confirmBox(const QString& text) override;
    void beep() override;
    QWidget* mainWindow() override { return this; }

    const Clock& clock_;
    FileSystem& fileSystem_;
    const std::string folder_;
    const std::string programFolder_;
    const FormatSettings userFormats_;
    const bool minimizedStart_;
    // Takes the place of the Windows 95 test: the tray is used only where there is one. Asked of the
    // desktop once, when unset.
    std::optional<bool> notificationAreaAvailable_;
    // The window's and the tray's, drawn once the window is on the screen or the icon goes into the tray.
    QIcon programIcon_;

    bool firstActivate_ = true;
    Preferences preferences_;
    QString helpFile_;
    std::unique_ptr<AlarmStore> store_;
    AlarmListModel* model_ = nullptr;
    // Rows were added or removed since the tick last asked for the list to be repainted.
    bool listChangedSinceRepaint_ = false;
    std::unique_ptr<AlarmEngine> engine_;
    std::unique_ptr<SoundMenuCommands> soundCommands_;
    std::unique_ptr<AlarmCommands> commands_;
    CalendarFileChooser chooseCalendarFile_;
    CalendarPasswords calendarPasswords_;
    std::unique_ptr<CalendarSync> calendarSync_;
    // The last sync failed; the caption says so until one gets through.
    bool calendarUnreachable_ = false;
    // Open until answered.
    QPointer<QMessageBox> conflictBox_;

    // The window's parts; each has an objectName of its own member name without the underscore.
    AlarmListView* alarmList_ = nullptr;
    QCheckBox* showTodayOnlyBox_ = nullptr;
    BevelPanel* clockPanel_ = nullptr;
    FlatButton* addAlarmButton_ = nullptr;
    FlatButton* editAlarmButton_ = nullptr;
    FlatButton* deleteAlarmButton_ = nullptr;
    FlatButton* cloneButton_ = nullptr;
    FlatButton* adjustTimeButton_ = nullptr;
    FlatButton* minimizeButton_ = nullptr;
    FlatButton* exitButton_ = nullptr;
    QAction* selectSoundFileAction_ = nullptr;
    QAction* noAlarmSoundAction_ = nullptr;
    QAction* useTrayAction_ = nullptr;
    QAction* importAlarmsAction_ = nullptr;
    QAction* exportAlarmsAction_ = nullptr;
    QAction* calendarAction_ = nullptr;
    QAction* syncNowAction_ = nullptr;
    QAction* exitAction_ = nullptr;
    QAction* helpContentsAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
    QAction* productPageAction_ = nullptr;
    QMenu* trayMenu_ = nullptr;
    QAction* trayShowAlarmsAction_ = nullptr;
    QAction* trayExitAction_ = nullptr;
    QMenu* alarmPopupMenu_ = nullptr;
    QAction* popupEditAction_ = nullptr;
    QAction* popupDeleteAction_ = nullptr;
    QMenu* cloneMenu_ = nullptr;
    QMenu* adjustTimeMenu_ = nullptr;
    TrayIcon* trayIcon_ = nullptr;
};

} // namespace klaxora
