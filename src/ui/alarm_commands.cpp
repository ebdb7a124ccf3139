#include "ui/alarm_commands.h"

#include "command/command_execution.h"
#include "command/translated_text.h"
#include "store/date_time_text.h"
#include "store/passed_alarm_time.h"
#include "store/text_helpers.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace klaxora {

void fillTimeShiftMenu(QMenu& menu, const std::function<void(std::int32_t minutes)>& chosen)
{
    for (std::size_t i = 0; i < TimeShiftEntries.size(); ++i) {
        if (static_cast<int>(i) == TimeShiftSeparatorBefore)
            menu.addSeparator();
        const TimeShiftEntry entry = TimeShiftEntries[i];
        QAction* action = menu.addAction(QCoreApplication::translate("AlarmCommands", entry.caption));
        QObject::connect(action, &QAction::triggered, &menu, [chosen, entry]() { chosen(entry.minutes); });
    }
}

AlarmCommands::AlarmCommands(AlarmCommandsHost& host) : host_(host) {}

void AlarmCommands::addAlarmButtonClick()
{
    AlarmStore& store = host_.store();
    const Clock& clock = host_.wallClock();
    TimerOffBracket timerOff(host_.alarmTimer());
    {
        const std::unique_ptr<AlarmEditor> editor = host_.createEditor();
        editor->centerOver(host_.mainWindow());
        editor->setWaveFile(newAlarmWaveFile());
        const FormatSettings& user = store.formats().user();
        editor->setTimeText(formatDateTime(user.shortTimePattern, addMinutes(5, clock.timeNow()), user));
        editor->setCalendarDate(clock.today());
        editor->setAlarmMode(amMessageAndSound);
        editor->showModal();
    }
    tidyList();
    store.writeToDisk();
    host_.updateButtons();
}

CommandReply AlarmCommands::addFromCommand(const CommandRequest& request)
{
    TimerOffBracket timerOff(host_.alarmTimer());
    return carryOutAdd(
        request, host_.store(), host_.wallClock(), newAlarmWaveFile(),
        [this] {
            tidyList();
            host_.store().writeToDisk();
            host_.updateButtons();
        },
        translatedText);
}

CommandReply AlarmCommands::importFromCommand(const CommandRequest& request, const CalendarFiles& files)
{
    TimerOffBracket timerOff(host_.alarmTimer());
    return carryOutImport(
        request, host_.store(), files, newAlarmWaveFile(),
        [this] {
            tidyList();
            host_.store().writeToDisk();
            host_.updateButtons();
        },
        translatedText);
}

std::string AlarmCommands::newAlarmWaveFile() const
{
    return klaxora::newAlarmWaveFile({host_.defaultWaveFile(), host_.noAlarmSound(), false});
}

void AlarmCommands::editAlarmButtonClick()
{
    if (host_.selectedRow() < 0)
        return;
    AlarmStore& store = host_.store();
    TimerOffBracket timerOff(host_.alarmTimer());
    const StoredAlarm* stored = selectedStoredAlarm();
    if (stored == nullptr)
        return;
    const StoredAlarm alarm = *stored;

    int result = ModalResult::Cancel;
    {
        const std::unique_ptr<AlarmEditor> editor = host_.createEditor();
        editor->centerOver(host_.mainWindow());
        editor->setMessageText(alarm.message);
        editor->setWaveFile(alarm.waveFile);
        editor->setAlarmMode(alarm.alarmMode);
        editor->setRepeatDays(alarm.repeatDays);
        editor->setUid(alarm.uid);
        editor->setCalendarDate(alarm.alarmDate);
        // Through the file's own time text, so that the seconds are dropped.
        const FormatSettings& storage = store.formats().storage();
        const FormatSettings& user = store.formats().user();
        const std::string storedText = formatDateTime("hh:nnam/pm", alarm.alarmTime, storage);
        DateTime shown = 0;
        if (!tryStrToTime(storedText, storage, shown))
            shown = host_.wallClock().timeNow();
        editor->setTimeText(formatDateTime(user.shortTimePattern, shown, user));
        result = editor->showModal();
    }
    if (result == ModalResult::Ok) {
        if (const int row = firstRowWithId(alarm.id); row >= 0)
            store.deleteAlarm(row);
    }
    tidyList();
    store.writeToDisk();
}

bool AlarmCommands::alarmListKeyPress(int qtKey)
{
    if (qtKey != Qt::Key_Return && qtKey != Qt::Key_Enter)
        return false;
    editAlarmButtonClick();
    return true;
}

void AlarmCommands::deleteAlarmButtonClick()
{
    if (host_.selectedRow() < 0)
        return;
    TimerOffBracket timerOff(host_.alarmTimer());
    if (!host_.confirmBox(deleteQuestion()))
        return;
    // Taken after the question: an alarm added from the command line meanwhile moves the rows, and the
    // selection moves with its row.
    if (const int row = host_.selectedRow(); row >= 0)
        deleteRowAndSave(row);
}

bool AlarmCommands::alarmListKeyDown(int qtKey)
{
    if (qtKey != Qt::Key_Delete)
        return false;
    deleteAlarmButtonClick();
    return true;
}

QString AlarmCommands::deleteQuestion() const
{
    const StoredAlarm* alarm = selectedStoredAlarm();
    if (alarm == nullptr || alarm->repeatDays.empty())
        return QCoreApplication::translate("AlarmCommands", "Delete currently highlighted Alarm?");
    // The whole alarm goes, not only its next occurrence: the question says so.
    if (alarm->repeatDays == RepeatDays::everyDay())
        return QCoreApplication::translate("AlarmCommands", "Delete the alarm that repeats every day?");
    const FormatSettings& user = host_.store().formats().user();
    return QCoreApplication::translate("AlarmCommands", "Delete the alarm that repeats every %1?")
        .arg(QString::fromStdString(userRepeatDaysText(alarm->repeatDays, user)));
}

void AlarmCommands::popupDeleteClick()
{
    const int row = host_.selectedRow();
    if (row < 0)
        return;
    TimerOffBracket timerOff(host_.alarmTimer());
    deleteRowAndSave(row);
}

void AlarmCommands::deleteRowAndSave(int row)
{
    host_.store().deleteAlarm(row);
    tidyList();
    host_.store().writeToDisk();
}

void AlarmCommands::adjustDateTime(std::int32_t minutes)
{
    if (host_.selectedRow() < 0) {
        host_.beep();
        return;
    }
    TimerOffBracket timerOff(host_.alarmTimer());
    const StoredAlarm* stored = selectedStoredAlarm();
    if (stored == nullptr)
        return;
    const AlarmId oldId = stored->id;
    const std::optional<AlarmId> newId = addShiftedCopy(*stored, minutes, stored->uid);
    if (!newId)
        return;
    AlarmStore& store = host_.store();
    if (const int row = firstRowWithId(oldId); row >= 0)
        store.deleteAlarm(row);
    if (const int row = firstRowWithId(*newId); row >= 0)
        host_.selectRow(row);
    tidyList();
    store.writeToDisk();
}

void AlarmCommands::cloneAlarm(std::int32_t minutes)
{
    if (host_.selectedRow() < 0) {
        host_.beep();
        return;
    }
    TimerOffBracket timerOff(host_.alarmTimer());
    const StoredAlarm* stored = selectedStoredAlarm();
    if (stored == nullptr || !addShiftedCopy(*stored, minutes, {}))
        return;
    tidyList();
    host_.store().writeToDisk();
}

std::optional<AlarmId> AlarmCommands::addShiftedCopy(const StoredAlarm& alarm, std::int32_t minutes,
                                                     const std::string& uid)
{
    AlarmStore& store = host_.store();
    const FormatSettings& storage = store.formats().storage();
    const DateTime shifted = addMinutes(minutes, alarm.alarmDate + alarm.alarmTime);
    const std::string timeText = timeToStr(shifted, storage);
    // A repeating alarm's next occurrence lands on the nearest of its days in the direction of the shift:
    // a day on from the Friday of a Monday-to-Friday alarm is the Monday.
    DateTime day = dateOf(shifted);
    if (!alarm.repeatDays.empty())
        day = minutes > 0 ? alarm.repeatDays.firstOnOrAfter(day) : alarm.repeatDays.lastOnOrBefore(day);
    const std::string dateText = formatDateTime("mm/dd/yyyy", day, storage);
    // The store would drop a copy dated before today, and keep one of today long past out of the list and
    // the timer: the alarm would vanish (or, for an adjust, be deleted) without a word.
    const Clock& clock = host_.wallClock();
    const DateTime date = strToDate(dateText, storage, decodeDate(clock.today()).year);
    if (alarmTimeHasPassed(date, strToTime(timeText, storage), clock)) {
        host_.beep();
        return std::nullopt;
    }
    return store.addAlarm(timeText, dateText, alarm.message, alarm.waveFile, alarm.alarmMode,
                          alarm.repeatDays, uid);
}

void AlarmCommands::tidyList()
{
    host_.focusAlarmList();
    if (host_.selectedRow() < 0 && !host_.store().rows().empty())
        host_.selectRow(0);
}

const StoredAlarm* AlarmCommands::selectedStoredAlarm() const
{
    AlarmStore& store = host_.store();
    const int row = host_.selectedRow();
    if (row < 0 || row >= store.rows().count())
        return nullptr;
    const int index = store.findBaseAlarmForId(store.rows()[row].object.id);
    return index < 0 ? nullptr : &store.baseAlarmList()[index];
}

int AlarmCommands::firstRowWithId(AlarmId id) const
{
    const OwningList<AlarmRow>& rows = host_.store().rows();
    for (int i = 0; i < rows.count(); ++i) {
        if (rows[i].object.id == id)
            return i;
    }
    return -1;
}

} // namespace klaxora
