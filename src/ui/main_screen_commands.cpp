// How the main window's controls reach their handlers: the five command buttons with their drop-down
// menus, the list's pop-up menu, double click and keys (the alarm commands), the filter check box and the
// two large buttons; what the commands ask of the window; and the commands from the command line.
#include "ui/main_screen.h"

#include "command/calendar_sync_commands.h"
#include "command/command_execution.h"
#include "command/translated_text.h"
#include "controls/flat_button.h"
#include "controls/tray_icon.h"
#include "ui/alarm_editor_dialog.h"
#include "ui/alarm_list_view.h"
#include "ui/guarded_handler.h"
#include "ui/message_boxes.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>

namespace klaxora {

void MainScreen::wireCommands()
{
    AlarmCommands& commands = *commands_;
    const auto onClick = [this](FlatButton* button, auto handler) {
        connect(button, &FlatButton::clicked, this, guarded(std::move(handler)));
    };
    onClick(addAlarmButton_, [&commands] { commands.addAlarmButtonClick(); });
    onClick(editAlarmButton_, [&commands] { commands.editAlarmButtonClick(); });
    onClick(deleteAlarmButton_, [&commands] { commands.deleteAlarmButtonClick(); });
    fillTimeShiftMenu(*cloneMenu_, [&commands](std::int32_t minutes) {
        guarded([&commands, minutes] { commands.cloneAlarm(minutes); })();
    });
    fillTimeShiftMenu(*adjustTimeMenu_, [&commands](std::int32_t minutes) {
        guarded([&commands, minutes] { commands.adjustDateTime(minutes); })();
    });

    connect(popupEditAction_, &QAction::triggered, this, guarded([&commands] { commands.popupEditClick(); }));
    connect(popupDeleteAction_, &QAction::triggered, this,
            guarded([&commands] { commands.popupDeleteClick(); }));
    connect(alarmList_, &AlarmListView::leftDoubleClicked, this,
            guarded([&commands] { commands.alarmListDoubleClick(); }));
    connect(alarmList_, &AlarmListView::enterPressed, this,
            guarded([&commands] { commands.alarmListKeyPress(Qt::Key_Return); }));
    connect(alarmList_, &AlarmListView::deleteKeyPressed, this,
            guarded([&commands] { commands.alarmListKeyDown(Qt::Key_Delete); }));

    connect(showTodayOnlyBox_, &QCheckBox::clicked, this, guarded([this] { showTodayOnlyClick(); }));
    onClick(minimizeButton_, [this] { minimizeButtonClick(); });
    onClick(exitButton_, [this] { exitButtonClick(); });
}

AlarmOptionsServices MainScreen::optionsServices()
{
    AlarmOptionsServices services;
    // Play Now is heard even with alarm sounds switched off.
    services.playWaveFile = [this](const std::string& waveFile) { engine_->sound().play(waveFile); };
    services.chooseFile = openFileDialogChooser();
    services.programDirectory = programFolder_;
    return services;
}

std::unique_ptr<AlarmEditor> MainScreen::createEditor()
{
    return std::make_unique<AlarmEditorDialog>(*store_, clock_, optionsServices(), this);
}

void MainScreen::carryOut(const CommandRequest& request, const CommandReplyCallback& reply)
{
    switch (request.kind) {
    case CommandKind::Add:
        reply(commands_->addFromCommand(request));
        return;
    case CommandKind::List:
        reply({ExitDone, alarmListText(*store_, clock_, request.todayOnly), {}});
        return;
    case CommandKind::Import:
        reply(commands_->importFromCommand(request, calendarFiles()));
        return;
    case CommandKind::Export:
        reply(carryOutExport(request, *store_, calendarFiles(), translatedText));
        return;
    case CommandKind::ConnectCalendar:
        // Connected from the command line, it syncs from then on as if connected in the dialog.
        carryOutCalendarSync(request, calendarSync(), calendarPasswords(),
                             [this, reply](const CommandReply& done) {
                                 if (done.exitCode == ExitDone && calendarSync_->isOn())
                                     startCalendarSync();
                                 reply(done);
                             });
        return;
    case CommandKind::TurnOffCalendar:
    case CommandKind::SyncCalendar:
        carryOutCalendarSync(request, calendarSync(), calendarPasswords(), reply);
        return;
    case CommandKind::Show:
        break;
    }
    if (trayIcon_->active()) {
        trayIconClick();
    } else {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
        raise();
        activateWindow();
    }
    reply({});
}

bool MainScreen::confirmBox(const QString& text)
{
    return klaxora::confirmBox(text);
}

void MainScreen::beep()
{
    QApplication::beep();
}

} // namespace klaxora
