// The commands on alarms, driven through a recording main window and a scripted editor.
#include "dialog_test_support.h"
#include "store/date_time_text.h"
#include "ui/alarm_commands.h"

#include <QMenu>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace klaxora {
namespace {

using test::At;

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
    AlarmTimer& Timer1() override { return timer; }
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
    std::string defaultWaveFile;
    bool noAlarmSound = false;
    // Runs in place of the modal editor; Cancel unless a test stores something.
    std::function<int(ScriptedEditor&)> editorScript = [](ScriptedEditor&) { return ModalResult::Cancel; };
    std::vector<EditorFill> editorsShown;
    AlarmCommands commands{*this};

    friend class ScriptedEditor;
};

int ScriptedEditor::ShowModal()
{
    fill.timerWasOff = !test_.timer.enabled;
    test_.editorsShown.push_back(fill);
    return test_.editorScript(*this);
}

// --- Adjust and Clone ---------------------------------------------------------------------------------

struct AdjustCase {
    std::int32_t minutes;
    CivilDate date;
    ClockTime time;
    const char* rowTime;
};

TEST_F(CommandsTest, AdjustShiftsByTheLongMinuteAndCutsToWholeSeconds)
{
    // 10:00:00 AM on 20 March, two weeks ahead.
    const std::vector<AdjustCase> cases{
        {60, {2026, 3, 20}, {11, 0, 0}, "11:00am"},      {-5, {2026, 3, 20}, {9, 55, 0}, "09:55am"},
        {-1, {2026, 3, 20}, {9, 59, 0}, "09:59am"},      {-20, {2026, 3, 20}, {9, 39, 59}, "09:39am"},
        {-60, {2026, 3, 20}, {8, 59, 59}, "08:59am"},    {-1440, {2026, 3, 19}, {9, 59, 59}, "09:59am"},
        {-10080, {2026, 3, 13}, {9, 59, 59}, "09:59am"}, {10080, {2026, 3, 27}, {10, 0, 0}, "10:00am"},
    };
    for (const AdjustCase& c : cases) {
        SCOPED_TRACE(c.minutes);
        while (!disk.store.Rows().Empty())
            disk.store.DeleteAlarm(0);
        Add(At(2026, 3, 20, 10, 0), "Tea");
        selected = 0;
        commands.AdjustDateTime(c.minutes);
        ASSERT_EQ(disk.store.BaseAlarmList().Count(), 1);
        EXPECT_EQ(DateOfStored(0), c.date);
        EXPECT_EQ(TimeOfStored(0), c.time);
        ASSERT_EQ(disk.store.Rows().Count(), 1);
        const std::string dateText =
            FormatDateTime("m/d/yy", disk.store.BaseAlarmList()[0].AlarmDate, disk.formats.User());
        EXPECT_EQ(RowText(0), "Tea...(" + std::string(c.rowTime) + "   " + dateText + ")");
        // The file keeps hours and minutes only.
        EXPECT_EQ(disk.FileContents(),
                  std::string(c.rowTime) + "^Tea^^3^" +
                      FormatDateTime("mm/dd/yyyy", disk.store.BaseAlarmList()[0].AlarmDate,
                                     disk.formats.Storage()) +
                      "^^0\r\n");
        EXPECT_EQ(selected, 0);
        EXPECT_TRUE(timer.enabled);
    }
}

TEST_F(CommandsTest, AdjustAcrossMidnightMovesTheDate)
{
    Add(At(2026, 3, 6, 23, 50), "Late");
    selected = 0;
    commands.AdjustDateTime(20);
    EXPECT_EQ(DateOfStored(0), (CivilDate{2026, 3, 7}));
    EXPECT_EQ(TimeOfStored(0), (ClockTime{0, 10, 0}));
    EXPECT_EQ(RowText(0), "Late...(12:10am   3/7/26)");

    disk.store.DeleteAlarm(0);
    Add(At(2026, 3, 7, 0, 0), "Midnight");
    selected = 0;
    commands.AdjustDateTime(-1);
    EXPECT_EQ(DateOfStored(0), (CivilDate{2026, 3, 6}));
    EXPECT_EQ(TimeOfStored(0), (ClockTime{23, 59, 0}));
    EXPECT_EQ(RowText(0), "Midnight...(11:59pm   3/6/26)");
}

TEST_F(CommandsTest, AdjustSelectsTheMovedRowAndCloneKeepsTheSelection)
{
    Add(At(2026, 3, 7, 8, 0), "Early");
    const AlarmId middle = Add(At(2026, 3, 7, 12, 0), "Noon");
    Add(At(2026, 3, 7, 18, 0), "Evening");
    selected = RowOf(middle);

    commands.AdjustDateTime(-1440); // now the first row
    ASSERT_EQ(disk.store.Rows().Count(), 3);
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(RowText(0), "Noon...(11:59am   3/6/26)");

    // The copy goes in above the cloned row; the selection stays on the cloned row.
    selected = 2;
    commands.CloneAlarm(-1);
    ASSERT_EQ(disk.store.Rows().Count(), 4);
    EXPECT_EQ(selected, 3);
    EXPECT_EQ(RowText(2), "Evening...(05:59pm   3/7/26)");
    EXPECT_EQ(RowText(3), "Evening...(06:00pm   3/7/26)");
    EXPECT_GE(listFocused, 2);
    EXPECT_EQ(timer.switchedOff, 2);
    EXPECT_TRUE(timer.enabled);
}

TEST_F(CommandsTest, CloneAddsACopyWithTheSameMessageSoundAndMode)
{
    const std::string wave = disk.MakeFile("ring.wav");
    const FormatSettings& storage = disk.formats.Storage();
    disk.store.AddAlarm("10:00am", "03/10/2026", "Call", wave, amSoundOnly);
    selected = 0;
    commands.CloneAlarm(1440);
    ASSERT_EQ(disk.store.BaseAlarmList().Count(), 2);
    const TBaseAlarm& original = disk.store.BaseAlarmList()[0];
    const TBaseAlarm& copy = disk.store.BaseAlarmList()[1];
    EXPECT_EQ(FormatDateTime("mm/dd/yyyy hh:nn:ss", original.AlarmDate + original.AlarmTime, storage),
              "03/10/2026 10:00:00");
    EXPECT_EQ(FormatDateTime("mm/dd/yyyy hh:nn:ss", copy.AlarmDate + copy.AlarmTime, storage),
              "03/11/2026 10:00:00");
    EXPECT_EQ(copy.Message, "Call");
    EXPECT_EQ(copy.WaveFile, wave);
    EXPECT_EQ(copy.AlarmMode, amSoundOnly);
    EXPECT_EQ(selected, 0);
}

TEST_F(CommandsTest, AdjustAndCloneWithoutASelectedRowOnlyBeep)
{
    for (const TimeShiftEntry& entry : TimeShiftEntries) {
        commands.CloneAlarm(entry.Minutes);
        commands.AdjustDateTime(entry.Minutes);
    }
    EXPECT_EQ(beeps, 24);
    EXPECT_EQ(timer.switchedOff, 0);
    EXPECT_FALSE(disk.FileExists());
}

// Mended: a result in the past used to delete the alarm (adjust) or store one that never shows or fires.
TEST_F(CommandsTest, AdjustOrCloneIntoThePastBeepsAndChangesNothing)
{
    disk.clock.Set(At(2026, 3, 6, 10, 30));
    Add(At(2026, 3, 6, 11, 0), "Meeting");
    selected = 0;
    disk.RemoveFile();

    commands.AdjustDateTime(-60);   // 9:59:59 AM today, half an hour ago
    commands.AdjustDateTime(-1440); // yesterday
    commands.CloneAlarm(-60);
    commands.CloneAlarm(-10080);
    EXPECT_EQ(beeps, 4);
    ASSERT_EQ(disk.store.BaseAlarmList().Count(), 1);
    EXPECT_EQ(TimeOfStored(0), (ClockTime{11, 0, 0}));
    EXPECT_EQ(RowText(0), "Meeting...(11:00am   3/6/26)");
    EXPECT_EQ(selected, 0);
    EXPECT_FALSE(disk.FileExists());
    EXPECT_TRUE(timer.enabled);

    // Within the 30 seconds of grace the result is still taken: it fires at the next tick.
    disk.clock.Set(At(2026, 3, 6, 10, 59, 20));
    commands.AdjustDateTime(-1);
    EXPECT_EQ(beeps, 4);
    EXPECT_EQ(TimeOfStored(0), (ClockTime{10, 59, 0}));
    EXPECT_EQ(disk.store.TodayList().Count(), 1);
}

TEST_F(CommandsTest, MenuTableGivesBothMenusTheTwelveEntries)
{
    QMenu menu;
    std::vector<std::int32_t> chosen;
    FillTimeShiftMenu(menu, [&chosen](std::int32_t minutes) { chosen.push_back(minutes); });
    const QList<QAction*> actions = menu.actions();
    ASSERT_EQ(actions.size(), 13);
    EXPECT_TRUE(actions[6]->isSeparator());
    EXPECT_EQ(actions[2]->text(), "+20 Minutes");
    EXPECT_EQ(actions[12]->text(), "-1 Week");
    actions[5]->trigger();
    actions[7]->trigger();
    EXPECT_EQ(chosen, (std::vector<std::int32_t>{10080, -1}));
}

// --- Delete -----------------------------------------------------------------------------------------

TEST_F(CommandsTest, PopupDeleteAsksNothingAndSelectsTheFirstRow)
{
    Add(At(2026, 3, 7, 8, 0), "One");
    Add(At(2026, 3, 7, 9, 0), "Two");
    Add(At(2026, 3, 7, 10, 0), "Three");
    selected = 1;
    commands.mnuDeleteClick();
    EXPECT_TRUE(questions.empty());
    ASSERT_EQ(disk.store.Rows().Count(), 2);
    EXPECT_EQ(RowText(1), "Three...(10:00am   3/7/26)");
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(disk.FileContents(), "08:00am^One^^3^03/07/2026^^0\r\n10:00am^Three^^3^03/07/2026^^0\r\n");
    EXPECT_EQ(timer.switchedOff, 1);
    EXPECT_TRUE(timer.enabled);
}

TEST_F(CommandsTest, DeleteKeyAndButtonAskFirst)
{
    Add(At(2026, 3, 7, 8, 0), "One");
    Add(At(2026, 3, 7, 9, 0), "Two");
    selected = 1;
    disk.RemoveFile();

    confirmAnswer = false;
    EXPECT_TRUE(commands.AlarmListBoxKeyDown(Qt::Key_Delete));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "Delete currently highlighted Alarm?");
    EXPECT_EQ(disk.store.Rows().Count(), 2);
    EXPECT_FALSE(disk.FileExists()); // an answer of No writes nothing
    EXPECT_TRUE(timer.enabled);

    confirmAnswer = true;
    commands.DeleteAlarmButtonClick();
    EXPECT_EQ(questions.size(), 2u);
    ASSERT_EQ(disk.store.Rows().Count(), 1);
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(disk.FileContents(), "08:00am^One^^3^03/07/2026^^0\r\n");
    EXPECT_TRUE(timer.enabled);

    EXPECT_FALSE(commands.AlarmListBoxKeyDown(Qt::Key_Backspace));
    selected = -1;
    commands.DeleteAlarmButtonClick();
    commands.mnuDeleteClick();
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_EQ(disk.store.Rows().Count(), 1);
    EXPECT_EQ(timer.switchedOff, 2);
}

// --- Add --------------------------------------------------------------------------------------------

TEST_F(CommandsTest, AddProposesFiveMinutesFromNowTodayWithTheDefaultSound)
{
    const std::string wave = disk.MakeFile("default.wav");
    defaultWaveFile = wave;
    disk.clock.Set(At(2026, 3, 6, 23, 57, 10));
    commands.AddAlarmButtonClick();
    ASSERT_EQ(editorsShown.size(), 1u);
    const EditorFill& fill = editorsShown[0];
    EXPECT_EQ(fill.timeText, "12:02 AM");
    EXPECT_EQ(fill.date, EncodeDate(2026, 3, 6));
    EXPECT_EQ(fill.waveFile, wave);
    EXPECT_EQ(fill.mode, 0);
    EXPECT_EQ(fill.message, "[Type alarm message here]");
    EXPECT_TRUE(fill.centred);
    EXPECT_TRUE(fill.timerWasOff);
    EXPECT_TRUE(timer.enabled);
}

TEST_F(CommandsTest, AddGivesNoSoundWhenSoundsAreOffOrTheDefaultIsMissing)
{
    defaultWaveFile = disk.MakeFile("default.wav");
    noAlarmSound = true;
    commands.AddAlarmButtonClick();
    noAlarmSound = false;
    defaultWaveFile = disk.folder.filePath("gone.wav").toStdString();
    commands.AddAlarmButtonClick();
    ASSERT_EQ(editorsShown.size(), 2u);
    EXPECT_EQ(editorsShown[0].waveFile, "");
    EXPECT_EQ(editorsShown[1].waveFile, "");
}

TEST_F(CommandsTest, AddEndedWithCancelStillWritesTheFileAndRefreshesTheButtons)
{
    Add(At(2026, 3, 7, 8, 0), "One");
    disk.RemoveFile();
    const int buttonsBefore = setbuttons;
    commands.AddAlarmButtonClick();
    EXPECT_EQ(disk.FileContents(), "08:00am^One^^3^03/07/2026^^0\r\n");
    EXPECT_EQ(setbuttons, buttonsBefore + 1);
    EXPECT_EQ(selected, 0); // no row was selected: the first one is now
    EXPECT_TRUE(timer.enabled);
}

TEST_F(CommandsTest, AddKeepsTheSelectionOnItsRow)
{
    Add(At(2026, 3, 7, 8, 0), "One");
    selected = 0;
    editorScript = [this](ScriptedEditor&) {
        disk.store.AddAlarm("07:00am", "03/07/2026", "Before", "", amMessageAndSound);
        return ModalResult::Ok;
    };
    commands.AddAlarmButtonClick();
    ASSERT_EQ(disk.store.Rows().Count(), 2);
    EXPECT_EQ(selected, 1);
    EXPECT_EQ(RowText(1), "One...(08:00am   3/7/26)");
}

// --- Edit -------------------------------------------------------------------------------------------

TEST_F(CommandsTest, EditFillsTheEditorAndReplacesTheAlarmOnOk)
{
    const std::string wave = disk.MakeFile("ring.wav");
    disk.store.AddAlarm("8:00:00 AM", "03/07/2026", "First", "", amMessageAndSound);
    disk.store.AddAlarm("9:39:59 PM", "03/09/2026", "Walk the dog", wave, amMessageOnly);
    selected = 1;
    editorScript = [this](ScriptedEditor&) {
        disk.store.AddAlarm("10:00pm", "03/09/2026", "Walk the cat", "", amMessageOnly);
        return ModalResult::Ok;
    };
    commands.EditAlarmButtonClick();
    ASSERT_EQ(editorsShown.size(), 1u);
    const EditorFill& fill = editorsShown[0];
    EXPECT_EQ(fill.message, "Walk the dog");
    EXPECT_EQ(fill.timeText, "9:39 PM"); // the seconds are dropped
    EXPECT_EQ(fill.date, EncodeDate(2026, 3, 9));
    EXPECT_EQ(fill.waveFile, wave);
    EXPECT_EQ(fill.mode, 1);
    EXPECT_TRUE(fill.timerWasOff);

    ASSERT_EQ(disk.store.Rows().Count(), 2);
    EXPECT_EQ(RowText(1), "Walk the cat...(10:00pm   3/9/26)");
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(disk.FileContents(),
              "08:00am^First^^3^03/07/2026^^0\r\n10:00pm^Walk the cat^^3^03/09/2026^^1\r\n");
    EXPECT_TRUE(timer.enabled);
}

TEST_F(CommandsTest, EditEndedWithCancelKeepsTheAlarmAndStillWritesTheFile)
{
    Add(At(2026, 3, 7, 8, 0), "One");
    selected = 0;
    disk.RemoveFile();
    EXPECT_TRUE(commands.AlarmListBoxKeyPress(Qt::Key_Return));
    commands.AlarmListBoxDblClick();
    commands.Edit1Click();
    EXPECT_EQ(editorsShown.size(), 3u);
    EXPECT_EQ(disk.store.Rows().Count(), 1);
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(disk.FileContents(), "08:00am^One^^3^03/07/2026^^0\r\n");

    selected = -1;
    commands.EditAlarmButtonClick();
    commands.AlarmListBoxDblClick();
    EXPECT_FALSE(commands.AlarmListBoxKeyPress(Qt::Key_Space));
    EXPECT_EQ(editorsShown.size(), 3u);
    EXPECT_EQ(timer.switchedOff, 3);
}

} // namespace
} // namespace klaxora
