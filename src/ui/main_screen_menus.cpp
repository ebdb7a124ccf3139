// The main window's menus and the handlers that belong to them: File (sound, tray, calendar, exit), Help
// (contents, About, the product page), the tray icon's menu, the list's pop-up menu and the two drop-down
// menus of time shifts.
#include "ui/main_screen.h"

#include "controls/flat_button.h"
#include "controls/tray_icon.h"
#include "engine/alarm_timer.h"
#include "store/file_system.h"
#include "ui/about_window.h"
#include "ui/alarm_list_view.h"
#include "ui/guarded_handler.h"
#include "ui/help_window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>

namespace klaxora {

namespace {

QAction* menuItem(QMenu* menu, const QString& caption, const QString& hint)
{
    QAction* item = menu->addAction(caption);
    if (!hint.isEmpty()) {
        item->setStatusTip(hint);
        item->setToolTip(hint);
    }
    return item;
}

} // namespace

void MainScreen::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setToolTipsVisible(true);
    selectSoundFileAction_ = menuItem(file, tr("Select Default Sound File (*.wav)"),
                                      tr("Select the default .wav file to use with alarms"));
    selectSoundFileAction_->setObjectName(QStringLiteral("selectSoundFileAction"));
    noAlarmSoundAction_ = menuItem(file, tr("No Alarm Sound"), tr("Toggle all alarm sounds on/off"));
    noAlarmSoundAction_->setObjectName(QStringLiteral("noAlarmSoundAction"));
    noAlarmSoundAction_->setCheckable(true);
    useTrayAction_ = menuItem(file, tr("Minimize to System Tray"),
                              tr("The system tray is the small panel in the lower right hand corner of  "
                                 "your Windows desktop where the time is displayed (Windows 95 only)"));
    useTrayAction_->setObjectName(QStringLiteral("useTrayAction"));
    useTrayAction_->setCheckable(true);
    file->addSeparator();
    importAlarmsAction_ =
        menuItem(file, tr("Import Alarms…"),
                 tr("Add the alarms of an iCalendar (.ics) file, as from a calendar program"));
    importAlarmsAction_->setObjectName(QStringLiteral("importAlarmsAction"));
    exportAlarmsAction_ =
        menuItem(file, tr("Export Alarms…"), tr("Write all alarms into an iCalendar (.ics) file"));
    exportAlarmsAction_->setObjectName(QStringLiteral("exportAlarmsAction"));
    calendarAction_ =
        menuItem(file, tr("Calendar…"), tr("Sync the alarms with a calendar on a CalDAV server"));
    calendarAction_->setObjectName(QStringLiteral("calendarAction"));
    syncNowAction_ = menuItem(file, tr("Sync Now"), tr("Sync the alarms with the calendar now"));
    syncNowAction_->setObjectName(QStringLiteral("syncNowAction"));
    // Also connected or turned off from the command line meanwhile.
    connect(file, &QMenu::aboutToShow, this,
            [this] { syncNowAction_->setEnabled(calendarSync_ && calendarSync_->isOn()); });
    file->addSeparator();
    exitAction_ = menuItem(file, tr("Exit"), tr("Exit the program"));
    exitAction_->setObjectName(QStringLiteral("exitAction"));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setToolTipsVisible(true);
    helpContentsAction_ = menuItem(help, tr("Contents"), tr("Show Windows Help for Klaxora!"));
    helpContentsAction_->setObjectName(QStringLiteral("helpContentsAction"));
    help->addSeparator();
    aboutAction_ = menuItem(help, tr("About"), tr("About Klaxora!"));
    aboutAction_->setObjectName(QStringLiteral("aboutAction"));
    help->addSeparator();
    productPageAction_ = menuItem(help, QStringLiteral("ZUV Software Products"), QString());
    productPageAction_->setObjectName(QStringLiteral("productPageAction"));

    connect(selectSoundFileAction_, &QAction::triggered, this, guarded([this] { selectSoundFile(); }));
    connect(noAlarmSoundAction_, &QAction::triggered, this, guarded([this] { toggleNoAlarmSound(); }));
    connect(useTrayAction_, &QAction::triggered, this, guarded([this] { toggleUseTray(); }));
    connect(importAlarmsAction_, &QAction::triggered, this, guarded([this] { importAlarms(); }));
    connect(exportAlarmsAction_, &QAction::triggered, this, guarded([this] { exportAlarms(); }));
    connect(calendarAction_, &QAction::triggered, this, guarded([this] { showCalendarDialog(); }));
    connect(syncNowAction_, &QAction::triggered, this, guarded([this] { calendarSync().syncNow(); }));
    connect(exitAction_, &QAction::triggered, this, guarded([this] { exitButtonClick(); }));
    connect(helpContentsAction_, &QAction::triggered, this, guarded([this] { showHelpContents(); }));
    connect(aboutAction_, &QAction::triggered, this, guarded([this] { showAbout(); }));
    connect(productPageAction_, &QAction::triggered, this, guarded([this] { showProductPage(); }));

    trayMenu_ = new QMenu(this);
    trayMenu_->setObjectName(QStringLiteral("trayMenu"));
    trayShowAlarmsAction_ = trayMenu_->addAction(tr("&Show Alarms"));
    trayShowAlarmsAction_->setObjectName(QStringLiteral("trayShowAlarmsAction"));
    trayExitAction_ = trayMenu_->addAction(tr("E&xit"));
    trayExitAction_->setObjectName(QStringLiteral("trayExitAction"));
    connect(trayShowAlarmsAction_, &QAction::triggered, this, guarded([this] { trayIconClick(); }));
    connect(trayExitAction_, &QAction::triggered, this, guarded([this] { exitButtonClick(); }));

    alarmPopupMenu_ = new QMenu(this);
    alarmPopupMenu_->setObjectName(QStringLiteral("alarmPopupMenu"));
    popupEditAction_ = alarmPopupMenu_->addAction(tr("&Edit"));
    popupEditAction_->setObjectName(QStringLiteral("popupEditAction"));
    popupDeleteAction_ = alarmPopupMenu_->addAction(tr("&Delete"));
    popupDeleteAction_->setObjectName(QStringLiteral("popupDeleteAction"));
    alarmList_->setPopupMenu(alarmPopupMenu_);

    cloneMenu_ = new QMenu(this);
    cloneMenu_->setObjectName(QStringLiteral("cloneMenu"));
    adjustTimeMenu_ = new QMenu(this);
    adjustTimeMenu_->setObjectName(QStringLiteral("adjustTimeMenu"));
    cloneButton_->setDropDownMenu(cloneMenu_);
    adjustTimeButton_->setDropDownMenu(adjustTimeMenu_);
}

void MainScreen::buildTrayIcon(std::unique_ptr<TrayShell> shell)
{
    // Shown only while the program sits in the notification area, so it starts inactive.
    trayIcon_ = new TrayIcon(this, std::move(shell));
    trayIcon_->setObjectName(QStringLiteral("trayIcon"));
    trayIcon_->setAutoPopup(true);
    trayIcon_->setPopupMenu(trayMenu_);
    trayIcon_->setOnClick([this](TrayIcon&) { guarded([this] { trayIconClick(); })(); });
    trayIcon_->animation().setOptions(TrayIconAnimationOptions::aoIconsInExe);
    trayIcon_->loaded();
}

void MainScreen::syncMenuChecks()
{
    noAlarmSoundAction_->setChecked(preferences_.noAlarmSound);
    useTrayAction_->setChecked(preferences_.useTray);
}

void MainScreen::saveCurrentPreferences()
{
    savePreferences(fileSystem_, folder_, preferences_);
}

void MainScreen::toggleUseTray()
{
    // Nothing moves now; the next minimise follows the new setting. The check keeps its new state even
    // when the preferences cannot be written.
    preferences_.useTray = !preferences_.useTray;
    syncMenuChecks();
    saveCurrentPreferences();
}

void MainScreen::toggleNoAlarmSound()
{
    const auto showState = qScopeGuard([this] { syncMenuChecks(); });
    soundCommands_->toggleNoAlarmSound();
}

void MainScreen::selectSoundFile()
{
    const auto showState = qScopeGuard([this] { syncMenuChecks(); });
    soundCommands_->selectSoundFile();
}

void MainScreen::showHelpContents()
{
    showHelpContext(this, helpFile_, MainHelpTopic);
}

void MainScreen::showProductPage()
{
    // The product page is a help file of its own beside the program; the application help file stays.
    klaxora::showHelpContents(this, QString::fromStdString(joinPath(programFolder_, "ZUVSOFT.HLP")));
}

void MainScreen::showAbout()
{
    const TimerOffBracket timerOff(engine_->alarmTimer());
    AboutWindow about(this);
    about.showOkButton();
    about.exec();
}

} // namespace klaxora
