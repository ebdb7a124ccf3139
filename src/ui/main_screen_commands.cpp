// How the main window's controls reach their handlers: the five command buttons with their drop-down
// menus, the list's pop-up menu, double click and keys (the alarm commands), the filter check box and the
// two large buttons; and what the commands ask of the window.
#include "ui/main_screen.h"

#include "controls/flat_button.h"
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
    onClick(AddAlarmButton, [&commands] { commands.AddAlarmButtonClick(); });
    onClick(EditAlarmButton, [&commands] { commands.EditAlarmButtonClick(); });
    onClick(DeleteAlarmButton, [&commands] { commands.DeleteAlarmButtonClick(); });
    FillTimeShiftMenu(*CloneMenu, [&commands](std::int32_t minutes) {
        Guarded([&commands, minutes] { commands.CloneAlarm(minutes); })();
    });
    FillTimeShiftMenu(*AdjustItemTimeMenu, [&commands](std::int32_t minutes) {
        Guarded([&commands, minutes] { commands.AdjustDateTime(minutes); })();
    });

    connect(Edit1, &QAction::triggered, this, Guarded([&commands] { commands.Edit1Click(); }));
    connect(mnuDelete, &QAction::triggered, this, Guarded([&commands] { commands.mnuDeleteClick(); }));
    connect(AlarmListBox, &AlarmListView::DoubleClicked, this,
            Guarded([&commands] { commands.AlarmListBoxDblClick(); }));
    connect(AlarmListBox, &AlarmListView::EnterPressed, this,
            Guarded([&commands] { commands.AlarmListBoxKeyPress(Qt::Key_Return); }));
    connect(AlarmListBox, &AlarmListView::DeleteKeyPressed, this,
            Guarded([&commands] { commands.AlarmListBoxKeyDown(Qt::Key_Delete); }));

    connect(ShowOnlytoday, &QCheckBox::clicked, this, Guarded([this] { ShowOnlytodayClick(); }));
    onClick(Minimizebutton, [this] { MinimizeButtonClick(); });
    onClick(Exitbutton, [this] { ExitButtonClick(); });
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

bool TMainScreen::ConfirmBox(const QString& text)
{
    return klaxora::ConfirmBox(text);
}

void TMainScreen::Beep()
{
    QApplication::beep();
}

} // namespace klaxora
