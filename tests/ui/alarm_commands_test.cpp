// Add, Edit and Delete: what the editor is given, the selection afterwards, and when the file is written.
#include "alarm_commands_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace klaxora::test {
namespace {

// --- Delete -----------------------------------------------------------------------------------------

TEST_F(CommandsTest, PopupDeleteAsksNothingAndSelectsTheFirstRow)
{
    add(at(2026, 3, 7, 8, 0), "One");
    add(at(2026, 3, 7, 9, 0), "Two");
    add(at(2026, 3, 7, 10, 0), "Three");
    selected = 1;
    commands.popupDeleteClick();
    EXPECT_TRUE(questions.empty());
    ASSERT_EQ(disk.store.rows().count(), 2);
    EXPECT_EQ(rowText(1), "Three...(10:00am   3/7/26)");
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(disk.fileContents(), "08:00am^One^^3^03/07/2026^^0\r\n10:00am^Three^^3^03/07/2026^^0\r\n");
    EXPECT_EQ(timer.switchedOff, 1);
    EXPECT_TRUE(timer.enabled);
}

TEST_F(CommandsTest, DeleteKeyAndButtonAskFirst)
{
    add(at(2026, 3, 7, 8, 0), "One");
    add(at(2026, 3, 7, 9, 0), "Two");
    selected = 1;
    disk.removeFile();

    confirmAnswer = false;
    EXPECT_TRUE(commands.alarmListKeyDown(Qt::Key_Delete));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "Delete currently highlighted Alarm?");
    EXPECT_EQ(disk.store.rows().count(), 2);
    EXPECT_FALSE(disk.fileExists()); // an answer of No writes nothing
    EXPECT_TRUE(timer.enabled);

    confirmAnswer = true;
    commands.deleteAlarmButtonClick();
    EXPECT_EQ(questions.size(), 2u);
    ASSERT_EQ(disk.store.rows().count(), 1);
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(disk.fileContents(), "08:00am^One^^3^03/07/2026^^0\r\n");
    EXPECT_TRUE(timer.enabled);

    EXPECT_FALSE(commands.alarmListKeyDown(Qt::Key_Backspace));
    selected = -1;
    commands.deleteAlarmButtonClick();
    commands.popupDeleteClick();
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_EQ(disk.store.rows().count(), 1);
    EXPECT_EQ(timer.switchedOff, 2);
}

TEST_F(CommandsTest, DeletingARepeatingAlarmAsksAboutTheWholeAlarmAndItsDays)
{
    disk.store.addAlarm("08:00am", "03/09/2026", "Work", "", amMessageAndSound,
                        RepeatDays::fromField("23456"));
    disk.store.addAlarm("09:00am", "03/09/2026", "Walk", "", amMessageAndSound, RepeatDays::everyDay());
    selected = 0;
    commands.deleteAlarmButtonClick();
    selected = 0;
    commands.deleteAlarmButtonClick();
    EXPECT_EQ(questions, (std::vector<QString>{"Delete the alarm that repeats every Mon\u2013Fri?",
                                               "Delete the alarm that repeats every day?"}));
    EXPECT_TRUE(disk.store.baseAlarmList().empty());
}

TEST_F(CommandsTest, DeleteAfterTheQuestionTakesTheRowSelectedThen)
{
    add(at(2026, 3, 7, 8, 0), "One");
    add(at(2026, 3, 7, 9, 0), "Two");
    selected = 1;
    // An alarm from the command line arrives while the question is open and stands above the selection.
    whileAsking = [this] {
        CommandRequest request;
        request.kind = CommandKind::Add;
        request.message = "Early";
        request.time = encodeTime(7, 0, 0, 0);
        request.date = encodeDate(2026, 3, 7);
        EXPECT_EQ(commands.addFromCommand(request).exitCode, ExitDone);
        EXPECT_FALSE(timer.enabled) << "the question's bracket holds the timer off";
    };
    commands.deleteAlarmButtonClick();
    EXPECT_EQ(disk.fileContents(), "08:00am^One^^3^03/07/2026^^0\r\n07:00am^Early^^3^03/07/2026^^0\r\n");
    EXPECT_TRUE(timer.enabled);
}

// --- Add --------------------------------------------------------------------------------------------

TEST_F(CommandsTest, AddProposesFiveMinutesFromNowTodayWithTheDefaultSound)
{
    const std::string wave = disk.makeFile("default.wav");
    defaultWave = wave;
    disk.clock.set(at(2026, 3, 6, 23, 57, 10));
    commands.addAlarmButtonClick();
    ASSERT_EQ(editorsShown.size(), 1u);
    const EditorFill& fill = editorsShown[0];
    EXPECT_EQ(fill.timeText, "12:02 AM");
    EXPECT_EQ(fill.date, encodeDate(2026, 3, 6));
    EXPECT_EQ(fill.waveFile, wave);
    EXPECT_EQ(fill.mode, 0);
    EXPECT_EQ(fill.message, "[Type alarm message here]");
    EXPECT_TRUE(fill.centred);
    EXPECT_TRUE(fill.timerWasOff);
    EXPECT_TRUE(timer.enabled);
}

TEST_F(CommandsTest, AddGivesNoSoundWhenSoundsAreOffOrTheDefaultIsMissing)
{
    defaultWave = disk.makeFile("default.wav");
    soundsOff = true;
    commands.addAlarmButtonClick();
    soundsOff = false;
    defaultWave = disk.folder.filePath("gone.wav").toStdString();
    commands.addAlarmButtonClick();
    ASSERT_EQ(editorsShown.size(), 2u);
    EXPECT_EQ(editorsShown[0].waveFile, "");
    EXPECT_EQ(editorsShown[1].waveFile, "");
}

TEST_F(CommandsTest, AddFromTheCommandLineStoresAsAddAlarmDoesWithoutAnEditor)
{
    const std::string wave = disk.makeFile("default.wav");
    defaultWave = wave;
    add(at(2026, 3, 7, 8, 0), "One");
    selected = 0;
    CommandRequest request;
    request.kind = CommandKind::Add;
    request.message = "Call the garage";
    request.time = encodeTime(7, 30, 0, 0);
    request.date = encodeDate(2026, 3, 7);
    const CommandReply reply = commands.addFromCommand(request);
    EXPECT_EQ(reply, (CommandReply{ExitDone, "2026-03-07\t07:30\tboth\tCall the garage\t\t\n", {}}));
    EXPECT_TRUE(editorsShown.empty());
    EXPECT_EQ(rowText(0), "Call the garage...(07:30am   3/7/26)");
    EXPECT_EQ(selected, 1) << "the selection stays on its row";
    EXPECT_EQ(disk.fileContents(),
              "08:00am^One^^3^03/07/2026^^0\r\n07:30am^Call the garage^^3^03/07/2026^" + wave + "^0\r\n");
    EXPECT_EQ(buttonUpdates, 1);
    EXPECT_EQ(timer.switchedOff, 1);
    EXPECT_TRUE(timer.enabled);

    soundsOff = true;
    request.time = encodeTime(7, 45, 0, 0);
    commands.addFromCommand(request);
    EXPECT_EQ(disk.store.baseAlarmList().last().waveFile, "");
}

TEST_F(CommandsTest, AddEndedWithCancelStillWritesTheFileAndRefreshesTheButtons)
{
    add(at(2026, 3, 7, 8, 0), "One");
    disk.removeFile();
    const int buttonsBefore = buttonUpdates;
    commands.addAlarmButtonClick();
    EXPECT_EQ(disk.fileContents(), "08:00am^One^^3^03/07/2026^^0\r\n");
    EXPECT_EQ(buttonUpdates, buttonsBefore + 1);
    EXPECT_EQ(selected, 0); // no row was selected: the first one is now
    EXPECT_TRUE(timer.enabled);
}

TEST_F(CommandsTest, AddKeepsTheSelectionOnItsRow)
{
    add(at(2026, 3, 7, 8, 0), "One");
    selected = 0;
    editorScript = [this](ScriptedEditor&) {
        disk.store.addAlarm("07:00am", "03/07/2026", "Before", "", amMessageAndSound);
        return ModalResult::Ok;
    };
    commands.addAlarmButtonClick();
    ASSERT_EQ(disk.store.rows().count(), 2);
    EXPECT_EQ(selected, 1);
    EXPECT_EQ(rowText(1), "One...(08:00am   3/7/26)");
}

// --- Edit -------------------------------------------------------------------------------------------

TEST_F(CommandsTest, EditFillsTheEditorAndReplacesTheAlarmOnOk)
{
    const std::string wave = disk.makeFile("ring.wav");
    disk.store.addAlarm("8:00:00 AM", "03/07/2026", "First", "", amMessageAndSound);
    disk.store.addAlarm("9:39:59 PM", "03/09/2026", "Walk the dog", wave, amMessageOnly,
                        RepeatDays::fromField("24"));
    selected = 1;
    const std::string uid = disk.store.baseAlarmList()[1].uid;
    editorScript = [this](ScriptedEditor& editor) {
        disk.store.addAlarm("10:00pm", "03/09/2026", "Walk the cat", "", amMessageOnly, {}, editor.fill.uid);
        return ModalResult::Ok;
    };
    commands.editAlarmButtonClick();
    ASSERT_EQ(editorsShown.size(), 1u);
    const EditorFill& fill = editorsShown[0];
    EXPECT_EQ(fill.message, "Walk the dog");
    EXPECT_EQ(fill.timeText, "9:39 PM"); // the seconds are dropped
    EXPECT_EQ(fill.date, encodeDate(2026, 3, 9));
    EXPECT_EQ(fill.waveFile, wave);
    EXPECT_EQ(fill.mode, 1);
    EXPECT_EQ(fill.repeatDays, RepeatDays::fromField("24"));
    EXPECT_EQ(fill.uid, uid) << "the edited alarm stays the same alarm";
    EXPECT_TRUE(fill.timerWasOff);

    ASSERT_EQ(disk.store.rows().count(), 2);
    EXPECT_EQ(rowText(1), "Walk the cat...(10:00pm   3/9/26)");
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(disk.fileContents(),
              "08:00am^First^^3^03/07/2026^^0\r\n10:00pm^Walk the cat^^3^03/09/2026^^1\r\n");
    EXPECT_TRUE(timer.enabled);
}

TEST_F(CommandsTest, EditEndedWithCancelKeepsTheAlarmAndStillWritesTheFile)
{
    add(at(2026, 3, 7, 8, 0), "One");
    selected = 0;
    disk.removeFile();
    EXPECT_TRUE(commands.alarmListKeyPress(Qt::Key_Return));
    commands.alarmListDoubleClick();
    commands.popupEditClick();
    EXPECT_EQ(editorsShown.size(), 3u);
    EXPECT_EQ(disk.store.rows().count(), 1);
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(disk.fileContents(), "08:00am^One^^3^03/07/2026^^0\r\n");

    selected = -1;
    commands.editAlarmButtonClick();
    commands.alarmListDoubleClick();
    EXPECT_FALSE(commands.alarmListKeyPress(Qt::Key_Space));
    EXPECT_EQ(editorsShown.size(), 3u);
    EXPECT_EQ(timer.switchedOff, 3);
}

} // namespace
} // namespace klaxora::test
