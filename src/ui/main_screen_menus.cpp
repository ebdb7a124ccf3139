// The main window's menus and the handlers that belong to them: File (sound, tray, exit), Help (contents,
// About, the product page), the tray icon's menu, the list's pop-up menu and the two drop-down menus of
// time shifts.
#include "ui/main_screen.h"

#include "controls/flat_button.h"
#include "controls/qx_tray_icon.h"
#include "engine/alarm_timer.h"
#include "store/file_system.h"
#include "ui/alarm_list_view.h"
#include "ui/guarded_handler.h"
#include "ui/help_window.h"
#include "ui/splash_form.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>

namespace klaxora {

namespace {

QAction* MenuItem(QMenu* menu, const QString& caption, const QString& hint)
{
    QAction* item = menu->addAction(caption);
    if (!hint.isEmpty()) {
        item->setStatusTip(hint);
        item->setToolTip(hint);
    }
    return item;
}

} // namespace

void TMainScreen::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setToolTipsVisible(true);
    mnuSelectSoundFile = MenuItem(file, QStringLiteral("Select Default Sound File (*.wav)"),
                                  QStringLiteral("Select the default .wav file to use with alarms"));
    mnuSelectSoundFile->setObjectName(QStringLiteral("selectSoundFileAction"));
    mnuNoAlarmSound =
        MenuItem(file, QStringLiteral("No Alarm Sound"), QStringLiteral("Toggle all alarm sounds on/off"));
    mnuNoAlarmSound->setObjectName(QStringLiteral("noAlarmSoundAction"));
    mnuNoAlarmSound->setCheckable(true);
    mnuUseTray =
        MenuItem(file, QStringLiteral("Minimize to System Tray"),
                 QStringLiteral("The system tray is the small panel in the lower right hand corner of  "
                                "your Windows desktop where the time is displayed (Windows 95 only)"));
    mnuUseTray->setObjectName(QStringLiteral("useTrayAction"));
    mnuUseTray->setCheckable(true);
    file->addSeparator();
    mnuExit = MenuItem(file, QStringLiteral("Exit"), QStringLiteral("Exit the program"));
    mnuExit->setObjectName(QStringLiteral("exitAction"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setToolTipsVisible(true);
    mnuContents =
        MenuItem(help, QStringLiteral("Contents"), QStringLiteral("Show Windows Help for Klaxora!"));
    mnuContents->setObjectName(QStringLiteral("helpContentsAction"));
    help->addSeparator();
    mnuAbout = MenuItem(help, QStringLiteral("About"), QStringLiteral("About Klaxora!"));
    mnuAbout->setObjectName(QStringLiteral("aboutAction"));
    help->addSeparator();
    ZUVSoftwareProducts1 = MenuItem(help, QStringLiteral("ZUV Software Products"), QString());
    ZUVSoftwareProducts1->setObjectName(QStringLiteral("productPageAction"));

    connect(mnuSelectSoundFile, &QAction::triggered, this, Guarded([this] { mnuSelectSoundFileClick(); }));
    connect(mnuNoAlarmSound, &QAction::triggered, this, Guarded([this] { mnuNoAlarmSoundClick(); }));
    connect(mnuUseTray, &QAction::triggered, this, Guarded([this] { mnuUseTrayClick(); }));
    connect(mnuExit, &QAction::triggered, this, Guarded([this] { ExitButtonClick(); }));
    connect(mnuContents, &QAction::triggered, this, Guarded([this] { mnuContentsClick(); }));
    connect(mnuAbout, &QAction::triggered, this, Guarded([this] { mnuAboutClick(); }));
    connect(ZUVSoftwareProducts1, &QAction::triggered, this,
            Guarded([this] { ZUVSoftwareProducts1Click(); }));

    TrayMenu = new QMenu(this);
    TrayMenu->setObjectName(QStringLiteral("trayMenu"));
    ShowAlarms1 = TrayMenu->addAction(QStringLiteral("&Show Alarms"));
    ShowAlarms1->setObjectName(QStringLiteral("trayShowAlarmsAction"));
    Exit1 = TrayMenu->addAction(QStringLiteral("E&xit"));
    Exit1->setObjectName(QStringLiteral("trayExitAction"));
    connect(ShowAlarms1, &QAction::triggered, this, Guarded([this] { TrayIconClick(); }));
    connect(Exit1, &QAction::triggered, this, Guarded([this] { ExitButtonClick(); }));

    ItemMenu = new QMenu(this);
    ItemMenu->setObjectName(QStringLiteral("alarmPopupMenu"));
    Edit1 = ItemMenu->addAction(QStringLiteral("&Edit"));
    Edit1->setObjectName(QStringLiteral("popupEditAction"));
    mnuDelete = ItemMenu->addAction(QStringLiteral("&Delete"));
    mnuDelete->setObjectName(QStringLiteral("popupDeleteAction"));
    AlarmListBox->SetPopupMenu(ItemMenu);

    CloneMenu = new QMenu(this);
    CloneMenu->setObjectName(QStringLiteral("cloneMenu"));
    AdjustItemTimeMenu = new QMenu(this);
    AdjustItemTimeMenu->setObjectName(QStringLiteral("adjustTimeMenu"));
    CloneButton->setDropDownMenu(CloneMenu);
    AdjustTimeButton->setDropDownMenu(AdjustItemTimeMenu);
}

void TMainScreen::BuildTrayIcon(std::unique_ptr<TrayShell> shell)
{
    // Shown only while the program sits in the notification area, so it starts inactive.
    TrayIcon = new TQXTrayIcon95(this, std::move(shell));
    TrayIcon->setObjectName(QStringLiteral("trayIcon"));
    TrayIcon->SetAutoPopup(true);
    TrayIcon->SetPopupMenu(TrayMenu);
    TrayIcon->SetOnClick([this](TQXTrayIcon95&) { Guarded([this] { TrayIconClick(); })(); });
    TrayIcon->Animation().SetOptions(TQXTrayIconAnimationOptions::aoIconsInExe);
    TrayIcon->Loaded();
}

void TMainScreen::SyncMenuChecks()
{
    mnuNoAlarmSound->setChecked(preferences_.NoAlarmSound);
    mnuUseTray->setChecked(preferences_.UseTray);
}

void TMainScreen::SaveCurrentPreferences()
{
    SavePreferences(fileSystem_, folder_, preferences_);
}

void TMainScreen::mnuUseTrayClick()
{
    // Nothing moves now; the next minimise follows the new setting. The check keeps its new state even
    // when the preferences cannot be written.
    preferences_.UseTray = !preferences_.UseTray;
    SyncMenuChecks();
    SaveCurrentPreferences();
}

void TMainScreen::mnuNoAlarmSoundClick()
{
    const auto showState = qScopeGuard([this] { SyncMenuChecks(); });
    soundCommands_->mnuNoAlarmSoundClick();
}

void TMainScreen::mnuSelectSoundFileClick()
{
    const auto showState = qScopeGuard([this] { SyncMenuChecks(); });
    soundCommands_->mnuSelectSoundFileClick();
}

void TMainScreen::mnuContentsClick()
{
    ShowHelpContext(this, HelpFile_, MainHelpTopic);
}

void TMainScreen::ZUVSoftwareProducts1Click()
{
    // The product page is a help file of its own beside the program; the application help file stays.
    ShowHelpContents(this, QString::fromStdString(JoinPath(programFolder_, "ZUVSOFT.HLP")));
}

void TMainScreen::mnuAboutClick()
{
    const TimerOffBracket timerOff(engine_->Timer1());
    TSplashform about(this);
    about.Okbutton->setVisible(true);
    about.exec();
}

} // namespace klaxora
