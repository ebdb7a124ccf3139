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
    void SetEnabled(bool value) override
    {
        enabled = value;
        switchedOff += value ? 0 : 1;
    }
};

// What a command put into the editor, and what the timer did meanwhile.
struct EditorFill {
    std::string message = "[Type alarm message here]";
    std::string timeText;
    TDateTime date = -1;
    std::string waveFile = "<unset>";
    int mode = -1;
    bool centred = false;
    bool timerWasOff = false;
};

class CommandsTest;

class ScriptedEditor final : public AlarmEditor {
public:
    explicit ScriptedEditor(CommandsTest& test) : test_(test) {}
    void SetMessageText(const std::string& message) override { fill.message = message; }
    void SetTimeText(const std::string& timeText) override { fill.timeText = timeText; }
    void SetCalendarDate(TDateTime date) override { fill.date = date; }
    void SetWaveFile(const std::string& waveFile) override { fill.waveFile = waveFile; }
    void SetAlarmMode(TAlarmMode mode) override { fill.mode = mode; }
    void CenterOver(const QWidget* /*mainWindow*/) override { fill.centred = true; }
    int ShowModal() override;

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
        disk.store.SetHost(this);
        disk.store.SetRowsObserver(this);
    }

    // AlarmCommandsHost
    AlarmStore& Store() override { return disk.store; }
    const Clock& WallClock() const override { return disk.clock; }
    AlarmTimer& alarmTimer() override { return timer; }
    int SelectedRow() const override { return selected; }
    void SelectRow(int index) override { selected = index; }
    void FocusAlarmList() override { ++listFocused; }
    void Setbuttons() override { ++setbuttons; }
    std::string DefaultWaveFile() const override { return defaultWaveFile; }
    bool NoAlarmSound() const override { return noAlarmSound; }
    std::unique_ptr<AlarmEditor> CreateEditor() override { return std::make_unique<ScriptedEditor>(*this); }
    bool ConfirmBox(const QString& text) override
    {
        questions.push_back(text);
        EXPECT_FALSE(timer.enabled);
        if (whileAsking)
            whileAsking();
        return confirmAnswer;
    }
    void Beep() override { ++beeps; }
    QWidget* MainWindow() override { return &mainWindow; }

    // AlarmStoreHost
    void ProcessPendingEvents() override {}
    void FocusListIfVisible() override {}

    // AlarmRowsObserver: the selection follows its row, as the list view's does.
    void BeginInsertRow(int index) override
    {
        if (selected >= index)
            ++selected;
    }
    void EndInsertRow() override {}
    void BeginRemoveRow(int index) override
    {
        if (selected == index)
            selected = -1;
        else if (selected > index)
            --selected;
    }
    void EndRemoveRow() override {}
    void BeginResetRows() override { selected = -1; }
    void EndResetRows() override {}

    AlarmId Add(TDateTime when, const std::string& message)
    {
        const FormatSettings& storage = disk.formats.Storage();
        return disk.store.AddAlarm(TimeToStr(when, storage), FormatDateTime("mm/dd/yyyy", when, storage),
                                   message, "", amMessageAndSound);
    }
    const TBaseAlarm& Stored(AlarmId id) const
    {
        return disk.store.BaseAlarmList()[disk.store.FindBaseAlarmForId(id)];
    }
    std::string RowText(int row) const { return disk.store.Rows()[row].Text; }
    int RowOf(AlarmId id) const
    {
        for (int i = 0; i < disk.store.Rows().Count(); ++i) {
            if (disk.store.Rows()[i].Object.Id == id)
                return i;
        }
        return -1;
    }
    ClockTime TimeOfStored(int index) const
    {
        return DecodeTime(disk.store.BaseAlarmList()[index].AlarmTime);
    }
    CivilDate DateOfStored(int index) const
    {
        return DecodeDate(disk.store.BaseAlarmList()[index].AlarmDate);
    }

    test::StoreOnDisk disk;
    RecordingTimer timer;
    QWidget mainWindow;
    int selected = -1;
    int listFocused = 0;
    int setbuttons = 0;
    int beeps = 0;
    std::vector<QString> questions;
    bool confirmAnswer = true;
    // Runs while the question is open, as other events may.
    std::function<void()> whileAsking;
    std::string defaultWaveFile;
    bool noAlarmSound = false;
    // Runs in place of the modal editor; Cancel unless a test stores something.
    std::function<int(ScriptedEditor&)> editorScript = [](ScriptedEditor&) { return ModalResult::Cancel; };
    std::vector<EditorFill> editorsShown;
    AlarmCommands commands{*this};

    friend class ScriptedEditor;
};

inline int ScriptedEditor::ShowModal()
{
    fill.timerWasOff = !test_.timer.enabled;
    test_.editorsShown.push_back(fill);
    return test_.editorScript(*this);
}

} // namespace klaxora::test
