#include "ui/main_screen.h"

#include "controls/bevel_panel.h"
#include "controls/flat_button.h"
#include "controls/qt_tray_shell.h"
#include "controls/qx_tray_icon.h"
#include "engine/alarm_tick.h"
#include "engine/qt_sound_backend.h"
#include "ui/alarm_list_model.h"
#include "ui/alarm_list_view.h"
#include "ui/message_boxes.h"
#include "ui/program_icon.h"
#include "ui/window_placement.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QScreen>

namespace klaxora {

TMainScreen::TMainScreen(const Clock& clock, FileSystem& fileSystem, MainScreenSetup setup, QWidget* parent)
    : QMainWindow(parent), clock_(clock), fileSystem_(fileSystem), folder_(std::move(setup.Folder)),
      programFolder_(setup.ProgramFolder.empty() ? folder_ : std::move(setup.ProgramFolder)),
      userFormats_(std::move(setup.UserFormats)), minimizedStart_(setup.MinimizedStart),
      notificationAreaAvailable_(setup.NotificationAreaAvailable)
{
    BuildLayout();
    BuildMenus();
    BuildTrayIcon(std::move(setup.Tray));
    FormCreate(std::move(setup.Files));

    // The alarm timer, the notification dialog and the sound player; the timer stays off until the first
    // activation.
    engine_ = std::make_unique<AlarmEngine>(
        *store_, clock_, preferences_, static_cast<AlarmEngineWindow&>(*this),
        setup.Sound ? std::move(setup.Sound) : std::make_unique<QtSoundBackend>());
    soundCommands_ = std::make_unique<SoundMenuCommands>(
        preferences_, [this](const Preferences&) { SaveCurrentPreferences(); }, engine_->Sound(),
        engine_->alarmTimer(), SoundMenuCommands::OpenDialogChooser(this), programFolder_);
    commands_ = std::make_unique<AlarmCommands>(static_cast<AlarmCommandsHost&>(*this));
    WireCommands();

    // The first activation must happen in every start, also when the window starts minimised or hidden
    // or no window manager ever activates it: it is what switches the alarm timer on.
    QMetaObject::invokeMethod(this, &TMainScreen::FormActivate, Qt::QueuedConnection);
}

TMainScreen::~TMainScreen()
{
    FormDestroy();
}

void TMainScreen::FormCreate(ProgramFiles files)
{
    const DateTimeFormats formats(userFormats_);
    FirstActivate = true;
    ShowClockText(QString::fromStdString(AlarmTick::ClockText(clock_.Now(), formats.Storage())));

    if (!files.Alarms) {
        files = LoadProgramFiles(clock_, fileSystem_, folder_, formats);
    }
    if (!files.AlarmFileError.empty()) {
        // The window runs on all the same: the alarms set now are kept, nothing is written over the
        // file, and the tick reads it as soon as it can.
        QMetaObject::invokeMethod(
            this, [this, text = QString::fromStdString(files.AlarmFileError)] { ShowError(text); },
            Qt::QueuedConnection);
    }
    preferences_ = files.Options;
    store_ = std::move(files.Alarms);
    model_ = new AlarmListModel(*store_, this);
    alarmList_->setModel(model_);
    const auto listChanged = [this] { listChangedSinceRepaint_ = true; };
    connect(model_, &AlarmListModel::rowsInserted, this, listChanged);
    connect(model_, &AlarmListModel::rowsRemoved, this, listChanged);
    connect(model_, &AlarmListModel::modelReset, this, listChanged);
    store_->SetRowsObserver(model_);
    store_->SetHost(static_cast<AlarmStoreHost*>(this));
    SyncMenuChecks();
    store_->ShowLoadToHost();
    ShowAlarmFileState();
    HelpFile_ = QStringLiteral("KLAXORA.HLP");
}

void TMainScreen::FormDestroy()
{
    if (engine_) {
        engine_->Sound().Stop();
    }
    // The list must not reach the store while the window's children go.
    if (store_) {
        store_->SetRowsObserver(nullptr);
        store_->SetHost(nullptr);
    }
    alarmList_->setModel(nullptr);
    delete model_;
    model_ = nullptr;
}

void TMainScreen::FormActivate()
{
    if (!FirstActivate) {
        return;
    }
    FirstActivate = false;
    // Centred on the screen, also for a window that first shows minimised and is restored later.
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
    if (minimizedStart_) {
        showMinimized();
        if (NotificationAreaAvailable() && preferences_.UseTray) {
            // Hidden only once the minimising has been processed.
            QCoreApplication::postEvent(this, new QEvent(WM_HIDETOTRAY));
            ApplyProgramIcon();
            trayIcon_->Activate();
        }
    } else {
        show();
        raise();
        activateWindow();
    }
    // The keyboard starts in the list, on its first row, as after every reload.
    if (alarmList_->SelectedRow() < 0) {
        SelectRow(0);
    }
    alarmList_->setFocus();
    Setbuttons();
    engine_->alarmTimer().SwitchOn();
    // Drawing the icon in all its sizes takes longer than building the whole window, and the question
    // for the notification area waits for the session bus; both follow right after the window shows, which
    // so maps 20% sooner (bench/desktop.sh, both side by side).
    QMetaObject::invokeMethod(
        this,
        [this] {
            ApplyProgramIcon();
            NotificationAreaAvailable();
        },
        Qt::QueuedConnection);
}

bool TMainScreen::event(QEvent* event)
{
    if (event->type() == WM_HIDETOTRAY) {
        WMHideToTray();
        return true;
    }
    return QMainWindow::event(event);
}

void TMainScreen::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        FormActivate();
    }
}

void TMainScreen::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TMainScreen::FormResize()
{
    FitMaximizedToScreen(this);
}

void TMainScreen::closeEvent(QCloseEvent* event)
{
    if (klaxora::ConfirmBox(QStringLiteral("Exit program (alarms will no longer be active)?"))) {
        event->accept();
        emit Closed();
    } else {
        event->ignore();
    }
}

void TMainScreen::ApplyProgramIcon()
{
    if (programIcon_.isNull()) {
        programIcon_ = ProgramIcon();
        setWindowIcon(programIcon_);
        trayIcon_->SetIcon(programIcon_);
    }
}

bool TMainScreen::NotificationAreaAvailable()
{
    if (!notificationAreaAvailable_) {
        notificationAreaAvailable_ = IsNotificationAreaAvailable();
    }
    return *notificationAreaAvailable_;
}

void TMainScreen::WMHideToTray()
{
    trayIcon_->HideApplication();
}

void TMainScreen::MinimizeButtonClick()
{
    if (NotificationAreaAvailable() && preferences_.UseTray) {
        trayIcon_->HideApplication();
        ApplyProgramIcon();
        trayIcon_->Activate();
    } else {
        showMinimized();
    }
}

void TMainScreen::TrayIconClick()
{
    trayIcon_->ShowApplication();
    trayIcon_->Deactivate();
}

void TMainScreen::ExitButtonClick()
{
    close();
}

void TMainScreen::showTodayOnlyClick()
{
    // The filter only decides which alarms get a row; every alarm stays stored and is saved first.
    store_->WriteToDisk();
    store_->SetShowOnlyToday(showTodayOnlyBox_->isChecked());
    store_->LoadFromDisk();
}

void TMainScreen::Setbuttons()
{
    // Clone Alarm is left alone: with no row its entries only beep.
    const bool anyRow = !store_->Rows().Empty();
    editAlarmButton_->setEnabled(anyRow);
    deleteAlarmButton_->setEnabled(anyRow);
    adjustTimeButton_->setEnabled(anyRow);
}

void TMainScreen::ProcessPendingEvents()
{
    QCoreApplication::processEvents();
}

int TMainScreen::SelectedRow() const
{
    return alarmList_->SelectedRow();
}

void TMainScreen::SelectRow(int index)
{
    alarmList_->SelectRow(index);
}

void TMainScreen::FocusListIfVisible()
{
    if (isVisible()) {
        alarmList_->setFocus();
    }
}

void TMainScreen::FocusAlarmList()
{
    alarmList_->setFocus();
}

void TMainScreen::ShowClockText(const QString& text)
{
    clockPanel_->SetCaption(text);
}

void TMainScreen::RepaintAlarmList()
{
    // Every tick asks for this, but the list only looks different once its rows have changed, and the
    // list view has then asked for its own repaint already, which this one joins. Repainting the
    // unchanged list every second was most of the program's work while idle.
    if (listChangedSinceRepaint_) {
        listChangedSinceRepaint_ = false;
        alarmList_->viewport()->update();
    }
    ShowAlarmFileState();
}

void TMainScreen::ShowAlarmFileState()
{
    // While the alarm file cannot be read the list holds only what was set since; the caption says why.
    const QString caption = store_->AlarmFileUnread()
                                ? QStringLiteral("Klaxora! - the alarm file could not be read")
                                : QStringLiteral("Klaxora!");
    if (windowTitle() != caption) {
        setWindowTitle(caption);
    }
}

void TMainScreen::ShowError(const QString& text)
{
    ShowErrorBox(text);
}

AlarmTimer& TMainScreen::alarmTimer()
{
    return engine_->alarmTimer();
}

} // namespace klaxora
