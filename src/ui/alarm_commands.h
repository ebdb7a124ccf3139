// The commands on alarms of the main window: add, edit, delete (with and without a question), adjust
// and clone by a number of minutes. The main window implements the host and wires its buttons, menus,
// double clicks and keys to the handlers here.
#pragma once

#include "command/calendar_commands.h"
#include "command/command_request.h"
#include "engine/alarm_timer.h"
#include "store/alarm_store.h"
#include "store/clock.h"
#include "ui/alarm_editor.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QMenu;
class QWidget;

namespace klaxora {

// What the commands need of the main window.
class AlarmCommandsHost {
public:
    virtual ~AlarmCommandsHost() = default;

    virtual AlarmStore& store() = 0;
    virtual const Clock& wallClock() const = 0;
    // The alarm timer, kept off while a command runs.
    virtual AlarmTimer& alarmTimer() = 0;

    // The selected row of the alarm list, or -1.
    virtual int selectedRow() const = 0;
    virtual void selectRow(int index) = 0;
    // Gives the alarm list the keyboard focus.
    virtual void focusAlarmList() = 0;
    // Enables the buttons that need a row.
    virtual void updateButtons() = 0;

    // The default sound for new alarms, and the check mark of "No Alarm Sound".
    virtual std::string defaultWaveFile() const = 0;
    virtual bool noAlarmSound() const = 0;

    // A new editor dialog (AlarmEditorDialog) storing into Store(), freed by the command after use.
    virtual std::unique_ptr<AlarmEditor> createEditor() = 0;
    // The "Confirm" box; true on Yes.
    virtual bool confirmBox(const QString& text) = 0;
    // The default system beep.
    virtual void beep() = 0;
    // The window the editor is centred over.
    virtual QWidget* mainWindow() = 0;
};

// One entry of the Clone Alarm and Adjust Time drop-down menus.
struct TimeShiftEntry {
    const char* caption;
    std::int32_t minutes;
};

// Both menus list these entries; a separator stands before entry TimeShiftSeparatorBefore.
inline constexpr std::array<TimeShiftEntry, 12> TimeShiftEntries{{
    {QT_TRANSLATE_NOOP("AlarmCommands", "+1 Minute"), 1},
    {QT_TRANSLATE_NOOP("AlarmCommands", "+5 Minutes"), 5},
    {QT_TRANSLATE_NOOP("AlarmCommands", "+20 Minutes"), 20},
    {QT_TRANSLATE_NOOP("AlarmCommands", "+1 Hour"), 60},
    {QT_TRANSLATE_NOOP("AlarmCommands", "+1 Day"), 1440},
    {QT_TRANSLATE_NOOP("AlarmCommands", "+1 Week"), 10080},
    {QT_TRANSLATE_NOOP("AlarmCommands", "-1 Minute"), -1},
    {QT_TRANSLATE_NOOP("AlarmCommands", "-5 Minutes"), -5},
    {QT_TRANSLATE_NOOP("AlarmCommands", "-20 Minutes"), -20},
    {QT_TRANSLATE_NOOP("AlarmCommands", "-1 Hour"), -60},
    {QT_TRANSLATE_NOOP("AlarmCommands", "-1 Day"), -1440},
    {QT_TRANSLATE_NOOP("AlarmCommands", "-1 Week"), -10080},
}};
inline constexpr int TimeShiftSeparatorBefore = 6;

// Adds the twelve entries and the separator to `menu`; choosing an entry calls `chosen` with its minutes.
void fillTimeShiftMenu(QMenu& menu, const std::function<void(std::int32_t minutes)>& chosen);

class AlarmCommands {
public:
    // The host must outlive the commands.
    explicit AlarmCommands(AlarmCommandsHost& host);

    // "&Add Alarm": the editor with a new alarm five minutes from now.
    void addAlarmButtonClick();
    // An alarm from the command line, stored as Add Alarm stores one from the editor: the timer is off
    // meanwhile, then the list is tidied, the file written and the buttons brought up to date.
    CommandReply addFromCommand(const CommandRequest& request);
    // The alarms of a calendar file from the command line or the menu, added the same way.
    CommandReply importFromCommand(const CommandRequest& request, const CalendarFiles& files);
    // "&Edit Alarm", the pop-up menu's "&Edit", a double click and Enter in the list.
    void editAlarmButtonClick();
    void popupEditClick() { editAlarmButtonClick(); }
    void alarmListDoubleClick() { editAlarmButtonClick(); }
    // Enter (Qt::Key_Return or Qt::Key_Enter) edits; returns whether the key was used.
    bool alarmListKeyPress(int qtKey);
    // "&Delete Alarm" and the Delete key ask first; the pop-up menu's "&Delete" does not.
    void deleteAlarmButtonClick();
    // Qt::Key_Delete deletes after the question; returns whether the key was used.
    bool alarmListKeyDown(int qtKey);
    void popupDeleteClick();
    // Moves the selected alarm by `minutes` / adds a copy of it moved by `minutes`. A result that lies in
    // the past (by more than the 30 seconds a new alarm may be late) only beeps.
    void adjustDateTime(std::int32_t minutes);
    void cloneAlarm(std::int32_t minutes);

private:
    void tidyList();
    // The question before Delete Alarm; for a repeating alarm it names the days.
    QString deleteQuestion() const;
    // The sound the editor starts with for a new alarm.
    std::string newAlarmWaveFile() const;
    // Deletes the row's alarm and writes the file; the caller has switched the timer off.
    void deleteRowAndSave(int row);
    // The stored alarm of the selected row, or null.
    const StoredAlarm* selectedStoredAlarm() const;
    int firstRowWithId(AlarmId id) const;
    // Adds a copy of the alarm shifted by `minutes` with the identity `uid` (none: a new one) and returns
    // its id; nothing (after a beep) when the copy would lie in the past.
    std::optional<AlarmId> addShiftedCopy(const StoredAlarm& alarm, std::int32_t minutes,
                                          const std::string& uid);

    AlarmCommandsHost& host_;
};

} // namespace klaxora
