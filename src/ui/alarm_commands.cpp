#include "ui/alarm_commands.h"

#include "command/command_execution.h"
#include "store/date_time_text.h"
#include "store/passed_alarm_time.h"
#include "store/text_helpers.h"

#include <QAction>
#include <QMenu>

namespace klaxora {

void FillTimeShiftMenu(QMenu& menu, const std::function<void(std::int32_t minutes)>& chosen)
{
    for (std::size_t i = 0; i < TimeShiftEntries.size(); ++i) {
        if (static_cast<int>(i) == TimeShiftSeparatorBefore)
            menu.addSeparator();
        const TimeShiftEntry entry = TimeShiftEntries[i];
        QAction* action = menu.addAction(QString::fromUtf8(entry.Caption));
        QObject::connect(action, &QAction::triggered, &menu, [chosen, entry]() { chosen(entry.Minutes); });
    }
}

AlarmCommands::AlarmCommands(AlarmCommandsHost& host) : host_(host) {}

void AlarmCommands::AddAlarmButtonClick()
{
    AlarmStore& store = host_.Store();
    const Clock& clock = host_.WallClock();
    TimerOffBracket timerOff(host_.alarmTimer());
    {
        const std::unique_ptr<AlarmEditor> editor = host_.CreateEditor();
        editor->CenterOver(host_.MainWindow());
        editor->SetWaveFile(NewAlarmWaveFile());
        const FormatSettings& user = store.Formats().User();
        editor->SetTimeText(FormatDateTime(user.ShortTimePattern, AddMinutes(5, clock.TimeNow()), user));
        editor->SetCalendarDate(clock.Today());
        editor->SetAlarmMode(amMessageAndSound);
        editor->ShowModal();
    }
    TidyList();
    store.WriteToDisk();
    host_.Setbuttons();
}

CommandReply AlarmCommands::AddFromCommand(const CommandRequest& request)
{
    TimerOffBracket timerOff(host_.alarmTimer());
    return CarryOutAdd(request, host_.Store(), host_.WallClock(), NewAlarmWaveFile(), [this] {
        TidyList();
        host_.Store().WriteToDisk();
        host_.Setbuttons();
    });
}

std::string AlarmCommands::NewAlarmWaveFile() const
{
    return klaxora::NewAlarmWaveFile({host_.DefaultWaveFile(), host_.NoAlarmSound(), false});
}

void AlarmCommands::EditAlarmButtonClick()
{
    if (host_.SelectedRow() < 0)
        return;
    AlarmStore& store = host_.Store();
    TimerOffBracket timerOff(host_.alarmTimer());
    const TBaseAlarm* stored = SelectedStoredAlarm();
    if (stored == nullptr)
        return;
    const TBaseAlarm alarm = *stored;

    int result = ModalResult::Cancel;
    {
        const std::unique_ptr<AlarmEditor> editor = host_.CreateEditor();
        editor->CenterOver(host_.MainWindow());
        editor->SetMessageText(alarm.Message);
        editor->SetWaveFile(alarm.WaveFile);
        editor->SetAlarmMode(alarm.AlarmMode);
        editor->SetCalendarDate(alarm.AlarmDate);
        // Through the file's own time text, so that the seconds are dropped.
        const FormatSettings& storage = store.Formats().Storage();
        const FormatSettings& user = store.Formats().User();
        const std::string storedText = FormatDateTime("hh:nnam/pm", alarm.AlarmTime, storage);
        TDateTime shown = 0;
        if (!TryStrToTime(storedText, storage, shown))
            shown = host_.WallClock().TimeNow();
        editor->SetTimeText(FormatDateTime(user.ShortTimePattern, shown, user));
        result = editor->ShowModal();
    }
    if (result == ModalResult::Ok) {
        if (const int row = FirstRowWithId(alarm.Id); row >= 0)
            store.DeleteAlarm(row);
    }
    TidyList();
    store.WriteToDisk();
}

bool AlarmCommands::alarmListKeyPress(int qtKey)
{
    if (qtKey != Qt::Key_Return && qtKey != Qt::Key_Enter)
        return false;
    EditAlarmButtonClick();
    return true;
}

void AlarmCommands::DeleteAlarmButtonClick()
{
    if (host_.SelectedRow() < 0)
        return;
    TimerOffBracket timerOff(host_.alarmTimer());
    if (!host_.ConfirmBox(QStringLiteral("Delete currently highlighted Alarm?")))
        return;
    // Taken after the question: an alarm added from the command line meanwhile moves the rows, and the
    // selection moves with its row.
    if (const int row = host_.SelectedRow(); row >= 0)
        DeleteRowAndSave(row);
}

bool AlarmCommands::alarmListKeyDown(int qtKey)
{
    if (qtKey != Qt::Key_Delete)
        return false;
    DeleteAlarmButtonClick();
    return true;
}

void AlarmCommands::popupDeleteClick()
{
    const int row = host_.SelectedRow();
    if (row < 0)
        return;
    TimerOffBracket timerOff(host_.alarmTimer());
    DeleteRowAndSave(row);
}

void AlarmCommands::DeleteRowAndSave(int row)
{
    host_.Store().DeleteAlarm(row);
    TidyList();
    host_.Store().WriteToDisk();
}

void AlarmCommands::AdjustDateTime(std::int32_t minutes)
{
    if (host_.SelectedRow() < 0) {
        host_.Beep();
        return;
    }
    TimerOffBracket timerOff(host_.alarmTimer());
    const TBaseAlarm* stored = SelectedStoredAlarm();
    if (stored == nullptr)
        return;
    const AlarmId oldId = stored->Id;
    const std::optional<AlarmId> newId = AddShiftedCopy(*stored, minutes);
    if (!newId)
        return;
    AlarmStore& store = host_.Store();
    if (const int row = FirstRowWithId(oldId); row >= 0)
        store.DeleteAlarm(row);
    if (const int row = FirstRowWithId(*newId); row >= 0)
        host_.SelectRow(row);
    TidyList();
    store.WriteToDisk();
}

void AlarmCommands::CloneAlarm(std::int32_t minutes)
{
    if (host_.SelectedRow() < 0) {
        host_.Beep();
        return;
    }
    TimerOffBracket timerOff(host_.alarmTimer());
    const TBaseAlarm* stored = SelectedStoredAlarm();
    if (stored == nullptr || !AddShiftedCopy(*stored, minutes))
        return;
    TidyList();
    host_.Store().WriteToDisk();
}

std::optional<AlarmId> AlarmCommands::AddShiftedCopy(const TBaseAlarm& alarm, std::int32_t minutes)
{
    AlarmStore& store = host_.Store();
    const FormatSettings& storage = store.Formats().Storage();
    const TDateTime shifted = AddMinutes(minutes, alarm.AlarmDate + alarm.AlarmTime);
    const std::string timeText = TimeToStr(shifted, storage);
    const std::string dateText = FormatDateTime("mm/dd/yyyy", shifted, storage);
    // The store would drop a copy dated before today, and keep one of today long past out of the list and
    // the timer: the alarm would vanish (or, for an adjust, be deleted) without a word.
    const Clock& clock = host_.WallClock();
    const TDateTime date = StrToDate(dateText, storage, DecodeDate(clock.Today()).year);
    if (AlarmTimeHasPassed(date, StrToTime(timeText, storage), clock)) {
        host_.Beep();
        return std::nullopt;
    }
    return store.AddAlarm(timeText, dateText, alarm.Message, alarm.WaveFile, alarm.AlarmMode);
}

void AlarmCommands::TidyList()
{
    host_.FocusAlarmList();
    if (host_.SelectedRow() < 0 && !host_.Store().Rows().Empty())
        host_.SelectRow(0);
}

const TBaseAlarm* AlarmCommands::SelectedStoredAlarm() const
{
    AlarmStore& store = host_.Store();
    const int row = host_.SelectedRow();
    if (row < 0 || row >= store.Rows().Count())
        return nullptr;
    const int index = store.FindBaseAlarmForId(store.Rows()[row].Object.Id);
    return index < 0 ? nullptr : &store.BaseAlarmList()[index];
}

int AlarmCommands::FirstRowWithId(AlarmId id) const
{
    const OwningList<AlarmRow>& rows = host_.Store().Rows();
    for (int i = 0; i < rows.Count(); ++i) {
        if (rows[i].Object.Id == id)
            return i;
    }
    return -1;
}

} // namespace klaxora
