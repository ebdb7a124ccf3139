// How the main window's controls reach their handlers: the five command buttons with their drop-down
// menus, the list's pop-up menu, double click and keys (the alarm commands), the filter check box and the
// two large buttons; what the commands ask of the window; and the commands from the command line.
#include "ui/main_screen.h"

#include "command/command_execution.h"
#include "controls/flat_button.h"
#include "controls/qx_tray_icon.h"
#include "ui/alarm_list_view.h"
#include "ui/edit_alarm_exact.h"
#include "ui/guarded_handler.h"
#include "ui/message_boxes.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>

namespace klaxora {

void TMainScreen::WireCommands()
{
    AlarmCommands& commands = *commands_;
    const auto onClick = [this](TFlatButton* button, auto handler) {
        connect(button, &TFlatButton::clicked, this, Guarded(std::move(handler)));
    };
    onClick(addAlarmButton_, [&commands] { commands.AddAlarmButtonClick(); });
    onClick(editAlarmButton_, [&commands] { commands.EditAlarmButtonClick(); });
    onClick(deleteAlarmButton_, [&commands] { commands.DeleteAlarmButtonClick(); });
    FillTimeShiftMenu(*cloneMenu_, [&commands](std::int32_t minutes) {
        Guarded([&commands, minutes] { commands.CloneAlarm(minutes); })();
    });
    FillTimeShiftMenu(*adjustTimeMenu_, [&commands](std::int32_t minutes) {
        Guarded([&commands, minutes] { commands.AdjustDateTime(minutes); })();
    });

    connect(popupEditAction_, &QAction::triggered, this, Guarded([&commands] { commands.popupEditClick(); }));
    connect(popupDeleteAction_, &QAction::triggered, this,
            Guarded([&commands] { commands.popupDeleteClick(); }));
    connect(alarmList_, &AlarmListView::DoubleClicked, this,
            Guarded([&commands] { commands.alarmListDoubleClick(); }));
    connect(alarmList_, &AlarmListView::EnterPressed, this,
            Guarded([&commands] { commands.alarmListKeyPress(Qt::Key_Return); }));
    connect(alarmList_, &AlarmListView::DeleteKeyPressed, this,
            Guarded([&commands] { commands.alarmListKeyDown(Qt::Key_Delete); }));

    connect(showTodayOnlyBox_, &QCheckBox::clicked, this, Guarded([this] { showTodayOnlyClick(); }));
    onClick(minimizeButton_, [this] { MinimizeButtonClick(); });
    onClick(exitButton_, [this] { ExitButtonClick(); });
}

AlarmOptionsServices TMainScreen::OptionsServices()
{
    AlarmOptionsServices services;
    // Play Now is heard even with alarm sounds switched off.
    services.PlayWaveFile = [this](const std::string& waveFile) { engine_->Sound().Play(waveFile); };
    services.ChooseFile = OpenFileDialogChooser();
    services.ProgramDirectory = programFolder_;
    return services;
}

std::unique_ptr<AlarmEditor> TMainScreen::CreateEditor()
{
    return std::make_unique<TEditAlarmExact>(*store_, clock_, OptionsServices(), this);
}

CommandReply TMainScreen::CarryOut(const CommandRequest& request)
{
    switch (request.Kind) {
    case CommandKind::Add:
        return commands_->AddFromCommand(request);
    case CommandKind::List:
        return {ExitDone, AlarmListText(*store_, clock_, request.TodayOnly), {}};
    case CommandKind::Show:
        break;
    }
    if (trayIcon_->Active()) {
        TrayIconClick();
    } else {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
        raise();
        activateWindow();
    }
    return {};
}

bool TMainScreen::ConfirmBox(const QString& text)
{
    return klaxora::ConfirmBox(text);
}

void TMainScreen::Beep()
{
    QApplication::beep();
}

} // namespace klaxora
