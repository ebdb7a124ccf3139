#include "ui/main_screen.h"

#include "command/translated_text.h"
#include "controls/bevel_panel.h"
#include "controls/flat_button.h"
#include "controls/qt_tray_shell.h"
#include "controls/tray_icon.h"
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

MainScreen::MainScreen(const Clock& clock, FileSystem& fileSystem, MainScreenSetup setup, QWidget* parent)
    : QMainWindow(parent), clock_(clock), fileSystem_(fileSystem), folder_(std::move(setup.folder)),
      programFolder_(setup.programFolder.empty() ? folder_ : std::move(setup.programFolder)),
      userFormats_(std::move(setup.userFormats)), minimizedStart_(setup.minimizedStart),
      notificationAreaAvailable_(setup.notificationAreaAvailable)
{
    buildLayout();
    buildMenus();
    buildTrayIcon(std::move(setup.tray));
    formCreate(std::move(setup.files));

    // The alarm timer, the notification dialog and the sound player; the timer stays off until the first
    // activation.
    engine_ = std::make_unique<AlarmEngine>(
        *store_, clock_, preferences_, static_cast<AlarmEngineWindow&>(*this),
        setup.sound ? std::move(setup.sound) : std::make_unique<QtSoundBackend>());
    soundCommands_ = std::make_unique<SoundMenuCommands>(
        preferences_, [this](const Preferences&) { saveCurrentPreferences(); }, engine_->sound(),
        engine_->alarmTimer(), SoundMenuCommands::openDialogChooser(this), programFolder_);
    commands_ = std::make_unique<AlarmCommands>(static_cast<AlarmCommandsHost&>(*this));
    wireCommands();
    createCalendarSync();

    // The first activation must happen in every start, also when the window starts minimised or hidden
    // or no window manager ever activates it: it is what switches the alarm timer on.
    QMetaObject::invokeMethod(this, &MainScreen::formActivate, Qt::QueuedConnection);
}

MainScreen::~MainScreen()
{
    formDestroy();
}

void MainScreen::formCreate(ProgramFiles files)
{
    const DateTimeFormats formats(userFormats_);
    firstActivate_ = true;
    showClockText(QString::fromStdString(AlarmTick::clockText(clock_.now(), formats.storage())));

    if (!files.alarms) {
        files = loadProgramFiles(clock_, fileSystem_, folder_, formats);
    }
    if (files.alarmFileError) {
        // The window runs on all the same: the alarms set now are kept, nothing is written over the
        // file, and the tick reads it as soon as it can.
        QMetaObject::invokeMethod(
            this,
            [this, text = QString::fromStdString(files.alarmFileError->in(translatedText))] {
                showError(text);
            },
            Qt::QueuedConnection);
    }
    preferences_ = files.options;
    store_ = std::move(files.alarms);
    model_ = new AlarmListModel(*store_, this);
    alarmList_->setModel(model_);
    const auto listChanged = [this] { listChangedSinceRepaint_ = true; };
    connect(model_, &AlarmListModel::rowsInserted, this, listChanged);
    connect(model_, &AlarmListModel::rowsRemoved, this, listChanged);
    connect(model_, &AlarmListModel::modelReset, this, listChanged);
    store_->setRowsObserver(model_);
    store_->setHost(static_cast<AlarmStoreHost*>(this));
    syncMenuChecks();
    store_->showLoadToHost();
    showAlarmFileState();
    helpFile_ = QStringLiteral("KLAXORA.HLP");
}

void MainScreen::formDestroy()
{
    if (engine_) {
        engine_->sound().stop();
    }
    // The list must not reach the store while the window's children go.
    if (store_) {
        store_->setRowsObserver(nullptr);
        store_->setHost(nullptr);
    }
    alarmList_->setModel(nullptr);
    delete model_;
    model_ = nullptr;
}

void MainScreen::formActivate()
{
    if (!firstActivate_) {
        return;
    }
    firstActivate_ = false;
    // Centred on the screen, also for a window that first shows minimised and is restored later.
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
    if (minimizedStart_) {
        showMinimized();
        if (notificationAreaAvailable() && preferences_.useTray) {
            // Hidden only once the minimising has been processed.
            QCoreApplication::postEvent(this, new QEvent(HideToTrayEvent));
            applyProgramIcon();
            trayIcon_->activate();
        }
    } else {
        show();
        raise();
        activateWindow();
    }
    // The keyboard starts in the list, on its first row, as after every reload.
    if (alarmList_->selectedRow() < 0) {
        selectRow(0);
    }
    alarmList_->setFocus();
    updateButtons();
    engine_->alarmTimer().switchOn();
    // Drawing the icon in all its sizes takes longer than building the whole window, and the question
    // for the notification area waits for the session bus; both follow right after the window shows, which
    // so maps 20% sooner (bench/desktop.sh, both side by side).
    QMetaObject::invokeMethod(
        this,
        [this] {
            applyProgramIcon();
            notificationAreaAvailable();
        },
        Qt::QueuedConnection);
}

bool MainScreen::event(QEvent* event)
{
    if (event->type() == HideToTrayEvent) {
        wmHideToTray();
        return true;
    }
    return QMainWindow::event(event);
}

void MainScreen::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        formActivate();
    }
}

void MainScreen::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    formResize();
}

void MainScreen::formResize()
{
    fitMaximizedToScreen(this);
}

void MainScreen::closeEvent(QCloseEvent* event)
{
    if (klaxora::confirmBox(tr("Exit program (alarms will no longer be active)?"))) {
        event->accept();
        emit closed();
    } else {
        event->ignore();
    }
}

void MainScreen::applyProgramIcon()
{
    if (programIcon_.isNull()) {
        programIcon_ = programIcon();
        setWindowIcon(programIcon_);
        trayIcon_->setIcon(programIcon_);
    }
}

bool MainScreen::notificationAreaAvailable()
{
    if (!notificationAreaAvailable_) {
        notificationAreaAvailable_ = isNotificationAreaAvailable();
    }
    return *notificationAreaAvailable_;
}

void MainScreen::wmHideToTray()
{
    trayIcon_->hideApplication();
}

void MainScreen::minimizeButtonClick()
{
    if (notificationAreaAvailable() && preferences_.useTray) {
        trayIcon_->hideApplication();
        applyProgramIcon();
        trayIcon_->activate();
    } else {
        showMinimized();
    }
}

void MainScreen::trayIconClick()
{
    trayIcon_->showApplication();
    trayIcon_->deactivate();
}

void MainScreen::exitButtonClick()
{
    close();
}

void MainScreen::showTodayOnlyClick()
{
    // The filter only decides which alarms get a row; every alarm stays stored and is saved first.
    store_->writeToDisk();
    store_->setShowOnlyToday(showTodayOnlyBox_->isChecked());
    store_->loadFromDisk();
}

void MainScreen::updateButtons()
{
    // Clone Alarm is left alone: with no row its entries only beep.
    const bool anyRow = !store_->rows().empty();
    editAlarmButton_->setEnabled(anyRow);
    deleteAlarmButton_->setEnabled(anyRow);
    adjustTimeButton_->setEnabled(anyRow);
}

void MainScreen::processPendingEvents()
{
    QCoreApplication::processEvents();
}

int MainScreen::selectedRow() const
{
    return alarmList_->selectedRow();
}

void MainScreen::selectRow(int index)
{
    alarmList_->selectRow(index);
}

void MainScreen::focusListIfVisible()
{
    if (isVisible()) {
        alarmList_->setFocus();
    }
}

void MainScreen::focusAlarmList()
{
    alarmList_->setFocus();
}

void MainScreen::showClockText(const QString& text)
{
    clockPanel_->setCaption(text);
}

void MainScreen::repaintAlarmList()
{
    // Every tick asks for this, but the list only looks different once its rows have changed, and the
    // list view has then asked for its own repaint already, which this one joins. Repainting the
    // unchanged list every second was most of the program's work while idle.
    if (listChangedSinceRepaint_) {
        listChangedSinceRepaint_ = false;
        alarmList_->viewport()->update();
    }
    showAlarmFileState();
}

void MainScreen::showAlarmFileState()
{
    // While the alarm file cannot be read the list holds only what was set since; the caption says why.
    const QString caption = store_->alarmFileUnread() ? tr("Klaxora! - the alarm file could not be read")
                                                      : QStringLiteral("Klaxora!");
    if (windowTitle() != caption) {
        setWindowTitle(caption);
    }
}

void MainScreen::showError(const QString& text)
{
    showErrorBox(text);
}

AlarmTimer& MainScreen::alarmTimer()
{
    return engine_->alarmTimer();
}

} // namespace klaxora
