// Add, Edit and Delete: what the editor is given, the selection afterwards, and when the file is written.
#include "alarm_commands_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace klaxora::test {
namespace {

// --- Delete -----------------------------------------------------------------------------------------

TEST_F(CommandsTest, PopupDeleteAsksNothingAndSelectsTheFirstRow)
{
    Add(At(2026, 3, 7, 8, 0), "One");
    Add(At(2026, 3, 7, 9, 0), "Two");
    Add(At(2026, 3, 7, 10, 0), "Three");
    selected = 1;
    commands.popupDeleteClick();
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
    EXPECT_TRUE(commands.alarmListKeyDown(Qt::Key_Delete));
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

    EXPECT_FALSE(commands.alarmListKeyDown(Qt::Key_Backspace));
    selected = -1;
    commands.DeleteAlarmButtonClick();
    commands.popupDeleteClick();
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_EQ(disk.store.Rows().Count(), 1);
    EXPECT_EQ(timer.switchedOff, 2);
}

TEST_F(CommandsTest, DeleteAfterTheQuestionTakesTheRowSelectedThen)
{
    Add(At(2026, 3, 7, 8, 0), "One");
    Add(At(2026, 3, 7, 9, 0), "Two");
    selected = 1;
    // An alarm from the command line arrives while the question is open and stands above the selection.
    whileAsking = [this] {
        CommandRequest request;
        request.Kind = CommandKind::Add;
        request.Message = "Early";
        request.Time = EncodeTime(7, 0, 0, 0);
        request.Date = EncodeDate(2026, 3, 7);
        EXPECT_EQ(commands.AddFromCommand(request).ExitCode, ExitDone);
        EXPECT_FALSE(timer.enabled) << "the question's bracket holds the timer off";
    };
    commands.DeleteAlarmButtonClick();
    EXPECT_EQ(disk.FileContents(), "08:00am^One^^3^03/07/2026^^0\r\n07:00am^Early^^3^03/07/2026^^0\r\n");
    EXPECT_TRUE(timer.enabled);
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

TEST_F(CommandsTest, AddFromTheCommandLineStoresAsAddAlarmDoesWithoutAnEditor)
{
    const std::string wave = disk.MakeFile("default.wav");
    defaultWaveFile = wave;
    Add(At(2026, 3, 7, 8, 0), "One");
    selected = 0;
    CommandRequest request;
    request.Kind = CommandKind::Add;
    request.Message = "Call the garage";
    request.Time = EncodeTime(7, 30, 0, 0);
    request.Date = EncodeDate(2026, 3, 7);
    const CommandReply reply = commands.AddFromCommand(request);
    EXPECT_EQ(reply, (CommandReply{ExitDone, "2026-03-07\t07:30\tboth\tCall the garage\n", {}}));
    EXPECT_TRUE(editorsShown.empty());
    EXPECT_EQ(RowText(0), "Call the garage...(07:30am   3/7/26)");
    EXPECT_EQ(selected, 1) << "the selection stays on its row";
    EXPECT_EQ(disk.FileContents(),
              "08:00am^One^^3^03/07/2026^^0\r\n07:30am^Call the garage^^3^03/07/2026^" + wave + "^0\r\n");
    EXPECT_EQ(setbuttons, 1);
    EXPECT_EQ(timer.switchedOff, 1);
    EXPECT_TRUE(timer.enabled);

    noAlarmSound = true;
    request.Time = EncodeTime(7, 45, 0, 0);
    commands.AddFromCommand(request);
    EXPECT_EQ(disk.store.BaseAlarmList().Last().WaveFile, "");
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
    EXPECT_TRUE(commands.alarmListKeyPress(Qt::Key_Return));
    commands.alarmListDoubleClick();
    commands.popupEditClick();
    EXPECT_EQ(editorsShown.size(), 3u);
    EXPECT_EQ(disk.store.Rows().Count(), 1);
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(disk.FileContents(), "08:00am^One^^3^03/07/2026^^0\r\n");

    selected = -1;
    commands.EditAlarmButtonClick();
    commands.alarmListDoubleClick();
    EXPECT_FALSE(commands.alarmListKeyPress(Qt::Key_Space));
    EXPECT_EQ(editorsShown.size(), 3u);
    EXPECT_EQ(timer.switchedOff, 3);
}

} // namespace
} // namespace klaxora::test
