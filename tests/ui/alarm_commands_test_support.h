// The alarm commands driven through a recording main window and a scripted editor: the fixture shared by
// the command tests.
#pragma once

#include "dialog_test_support.h"
#include "store/date_time_text.h"
#include "ui/alarm_commands.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace klaxora::test {

class RecordingTimer final : public AlarmTimer {
public:
    bool enabled = true;
    int switchedOff = 0;

protected:
    void setEnabled(bool value) override
    {
        enabled = value;
        switchedOff += value ? 0 : 1;
    }
};

// What a command put into the editor, and what the timer did meanwhile.
struct EditorFill {
    std::string message = "[Type alarm message here]";
    std::string timeText;
    DateTime date = -1;
    std::string waveFile = "<unset>";
    int mode = -1;
    RepeatDays repeatDays;
    std::string uid;
    bool centred = false;
    bool timerWasOff = false;
};

class CommandsTest;

class ScriptedEditor final : public AlarmEditor {
public:
    explicit ScriptedEditor(CommandsTest& test) : test_(test) {}
    void setMessageText(const std::string& message) override { fill.message = message; }
    void setTimeText(const std::string& timeText) override { fill.timeText = timeText; }
    void setCalendarDate(DateTime date) override { fill.date = date; }
    void setWaveFile(const std::string& waveFile) override { fill.waveFile = waveFile; }
    void setAlarmMode(AlarmMode mode) override { fill.mode = mode; }
    void setRepeatDays(RepeatDays days) override { fill.repeatDays = days; }
    void setUid(const std::string& uid) override { fill.uid = uid; }
    void centerOver(const QWidget* /*mainWindow*/) override { fill.centred = true; }
    int showModal() override;

    EditorFill fill;

private:
    CommandsTest& test_;
};

class CommandsTest : public ::testing::Test,
                     public AlarmCommandsHost,
                     public AlarmStoreHost,
                     public AlarmRowsObserver {
protected:
    CommandsTest()
    {
        disk.store.setHost(this);
        disk.store.setRowsObserver(this);
    }

    // AlarmCommandsHost
    AlarmStore& store() override { return disk.store; }
    const Clock& wallClock() const override { return disk.clock; }
    AlarmTimer& alarmTimer() override { return timer; }
    int selectedRow() const override { return selected; }
    void selectRow(int index) override { selected = index; }
    void focusAlarmList() override { ++listFocused; }
    void updateButtons() override { ++buttonUpdates; }
    std::string defaultWaveFile() const override { return defaultWave; }
    bool noAlarmSound() const override { return soundsOff; }
    std::unique_ptr<AlarmEditor> createEditor() override { return std::make_unique<ScriptedEditor>(*this); }
    bool confirmBox(const QString& text) override
    {
        questions.push_back(text);
        EXPECT_FALSE(timer.enabled);
        if (whileAsking)
            whileAsking();
        return confirmAnswer;
    }
    void beep() override { ++beeps; }
    QWidget* mainWindow() override { return &parentWindow; }

    // AlarmStoreHost
    void processPendingEvents() override {}
    void focusListIfVisible() override {}

    // AlarmRowsObserver: the selection follows its row, as the list view's does.
    void beginInsertRow(int index) override
    {
        if (selected >= index)
            ++selected;
    }
    void endInsertRow() override {}
    void beginRemoveRow(int index) override
    {
        if (selected == index)
            selected = -1;
        else if (selected > index)
            --selected;
    }
    void endRemoveRow() override {}
    void beginResetRows() override { selected = -1; }
    void endResetRows() override {}

    AlarmId add(DateTime when, const std::string& message)
    {
        const FormatSettings& storage = disk.formats.storage();
        return disk.store.addAlarm(timeToStr(when, storage), formatDateTime("mm/dd/yyyy", when, storage),
                                   message, "", amMessageAndSound);
    }
    const StoredAlarm& stored(AlarmId id) const
    {
        return disk.store.baseAlarmList()[disk.store.findBaseAlarmForId(id)];
    }
    std::string rowText(int row) const { return disk.store.rows()[row].text; }
    int rowOf(AlarmId id) const
    {
        for (int i = 0; i < disk.store.rows().count(); ++i) {
            if (disk.store.rows()[i].object.id == id)
                return i;
        }
        return -1;
    }
    ClockTime timeOfStored(int index) const
    {
        return decodeTime(disk.store.baseAlarmList()[index].alarmTime);
    }
    CivilDate dateOfStored(int index) const
    {
        return decodeDate(disk.store.baseAlarmList()[index].alarmDate);
    }

    test::StoreOnDisk disk;
    RecordingTimer timer;
    QWidget parentWindow;
    int selected = -1;
    int listFocused = 0;
    int buttonUpdates = 0;
    int beeps = 0;
    std::vector<QString> questions;
    bool confirmAnswer = true;
    // Runs while the question is open, as other events may.
    std::function<void()> whileAsking;
    std::string defaultWave;
    bool soundsOff = false;
    // Runs in place of the modal editor; Cancel unless a test stores something.
    std::function<int(ScriptedEditor&)> editorScript = [](ScriptedEditor&) { return ModalResult::Cancel; };
    std::vector<EditorFill> editorsShown;
    AlarmCommands commands{*this};

    friend class ScriptedEditor;
};

inline int ScriptedEditor::showModal()
{
    fill.timerWasOff = !test_.timer.enabled;
    test_.editorsShown.push_back(fill);
    return test_.editorScript(*this);
}

} // namespace klaxora::test
