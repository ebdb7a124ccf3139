// What --add, --list, --import and --export do to a store, the same in the running program and without it:
// the date when none is given, the refusal of a passed time, the sound chosen, a failed save, and the list's
// order.
#include "command/calendar_commands.h"
#include "command/command_execution.h"

#include "store/store_test_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <stdexcept>

namespace klaxora::testing {
namespace {

class CommandExecutionTest : public StoreTest {
protected:
    CommandExecutionTest() { clock.set(at(2026, 12, 8, 9, 0)); }

    CommandReply addAt(int hour, int minute, std::optional<DateTime> date = std::nullopt,
                       SoundChoice sound = SoundChoice::Default, RepeatDays repeatDays = {})
    {
        CommandRequest request;
        request.kind = CommandKind::Add;
        request.message = "Tea";
        request.time = encodeTime(hour, minute, 0, 0);
        request.date = date;
        request.sound = sound;
        request.soundFile = "/sounds/chosen.wav";
        request.mode = amMessageOnly;
        request.repeatDays = repeatDays;
        return carryOutAdd(request, store, clock, "/sounds/default.wav", [this] {
            ++saves;
            store.writeToDisk();
        });
    }

    int saves = 0;
};

TEST_F(CommandExecutionTest, WithoutADateTodayOrTomorrowOnceTheTimeHasPassed)
{
    EXPECT_EQ(addAt(10, 0), (CommandReply{ExitDone,
                                          "No date given: today, 2026-12-08.\n"
                                          "2026-12-08\t10:00\tmessage\tTea\t\t\n",
                                          {}}));
    EXPECT_EQ(addAt(8, 0),
              (CommandReply{ExitDone,
                            "No date given: tomorrow, 2026-12-09, since 08:00 has passed today.\n"
                            "2026-12-09\t08:00\tmessage\tTea\t\t\n",
                            {}}));
    // Up to 30 seconds late an alarm still rings, as one set in the editor does.
    clock.set(at(2026, 12, 8, 9, 0, 30));
    EXPECT_EQ(addAt(9, 0).output, "No date given: today, 2026-12-08.\n2026-12-08\t09:00\tmessage\tTea\t\t\n");
    EXPECT_EQ(saves, 3);
    EXPECT_EQ(alarmFileText(), "10:00am^Tea^^3^12/08/2026^/sounds/default.wav^1\r\n"
                               "08:00am^Tea^^3^12/09/2026^/sounds/default.wav^1\r\n"
                               "09:00am^Tea^^3^12/08/2026^/sounds/default.wav^1\r\n");
}

TEST_F(CommandExecutionTest, APassedDateAndTimeIsRefusedWithNothingChanged)
{
    clock.set(at(2026, 12, 8, 9, 0, 31));
    const CommandReply today = addAt(9, 0, encodeDate(2026, 12, 8));
    EXPECT_EQ(today.exitCode, ExitTimePassed);
    EXPECT_EQ(today.errors, "klaxora: 2026-12-08 09:00 has already passed; no alarm was added.\n");
    EXPECT_EQ(addAt(23, 0, encodeDate(2026, 12, 7)).exitCode, ExitTimePassed);
    EXPECT_EQ(store.baseAlarmList().count(), 0);
    EXPECT_EQ(saves, 0);
}

TEST_F(CommandExecutionTest, ARepeatingAlarmStartsOnItsFirstDayToComeAndIsNeverRefused)
{
    // Tuesday 9:00: 8:00 has passed today, so Thursday; a passed date is no refusal, a later one the start.
    EXPECT_EQ(addAt(8, 0, encodeDate(2026, 12, 1), SoundChoice::Default, RepeatDays::fromField("35")),
              (CommandReply{ExitDone,
                            "Repeats tue,thu: first on Thursday 2026-12-10.\n"
                            "2026-12-10\t08:00\tmessage\tTea\t\ttue,thu\n",
                            {}}));
    EXPECT_EQ(addAt(10, 0, encodeDate(2026, 12, 9), SoundChoice::Default, RepeatDays::everyDay()).output,
              "Repeats daily: first on Wednesday 2026-12-09.\n2026-12-09\t10:00\tmessage\tTea\t\tdaily\n");
    EXPECT_EQ(saves, 2);
}

TEST_F(CommandExecutionTest, TheSoundChosen)
{
    addAt(10, 0, std::nullopt, SoundChoice::None);
    addAt(11, 0, std::nullopt, SoundChoice::File);
    EXPECT_EQ(store.baseAlarmList()[0].waveFile, "");
    EXPECT_EQ(store.baseAlarmList()[1].waveFile, "/sounds/chosen.wav");

    Preferences preferences{folder.file("default.wav"), false, false};
    EXPECT_EQ(newAlarmWaveFile(preferences), "") << "the default sound is missing";
    writeFile(preferences.defaultWaveFile, "RIFF");
    EXPECT_EQ(newAlarmWaveFile(preferences), preferences.defaultWaveFile);
    preferences.noAlarmSound = true;
    EXPECT_EQ(newAlarmWaveFile(preferences), "");
}

TEST_F(CommandExecutionTest, AFailedSaveIsAFailureThatSaysSo)
{
    CommandRequest request;
    request.kind = CommandKind::Add;
    request.time = encodeTime(10, 0, 0, 0);
    const CommandReply reply =
        carryOutAdd(request, store, clock, "", [] { throw std::runtime_error("Disk full"); });
    EXPECT_EQ(reply,
              (CommandReply{ExitFailed, {}, "klaxora: the alarm file could not be written: Disk full\n"}));
}

TEST_F(CommandExecutionTest, ListInTheListsOrderWithTodayAlone)
{
    const auto add = [this](const char* time, const char* date, const char* message) {
        store.addAlarm(time, date, message, "", amMessageAndSound);
    };
    add("08:00am", "12/09/2026", "Tomorrow first");
    add("10:00am", "12/08/2026", "Today");
    add("08:30am", "12/08/2026", "Passed today"); // missed: listed, marked in a last column
    add("08:00am", "12/09/2026", "Tomorrow added later");
    add("07:00pm", "12/15/2026", "Next week");
    store.addAlarm("06:00am", "12/10/2026", "Sound only", "", amSoundOnly);
    store.addAlarm("07:00am", "12/08/2026", "Weekdays", "", amMessageAndSound,
                   RepeatDays::fromField("23456"));
    store.addAlarm("07:00am", "12/08/2026", "Some days", "", amMessageAndSound,
                   RepeatDays::fromField("12367"));
    EXPECT_EQ(alarmListText(store, clock, false), "2026-12-08\t08:30\tboth\tPassed today\tmissed\t\n"
                                                  "2026-12-08\t10:00\tboth\tToday\t\t\n"
                                                  "2026-12-09\t07:00\tboth\tWeekdays\t\tweekdays\n"
                                                  "2026-12-09\t08:00\tboth\tTomorrow added later\t\t\n"
                                                  "2026-12-09\t08:00\tboth\tTomorrow first\t\t\n"
                                                  "2026-12-10\t06:00\tsound\tSound only\t\t\n"
                                                  "2026-12-11\t07:00\tboth\tSome days\t\tmon,tue,fri-sun\n"
                                                  "2026-12-15\t19:00\tboth\tNext week\t\t\n");
    EXPECT_EQ(alarmListText(store, clock, true),
              "2026-12-08\t08:30\tboth\tPassed today\tmissed\t\n2026-12-08\t10:00\tboth\tToday\t\t\n");
    // With "Show Today Only" the window has rows for today alone; the list still names every alarm.
    const std::string all = alarmListText(store, clock, false);
    store.writeToDisk();
    store.setShowOnlyToday(true);
    store.loadFromDisk();
    EXPECT_EQ(store.rows().count(), 2);
    EXPECT_EQ(alarmListText(store, clock, false), all);
}

class CalendarCommandTest : public CommandExecutionTest {
protected:
    CommandReply importFile(const std::string& text)
    {
        writeFile(folder.file("in.ics"), text);
        return carryOutImport(calendarRequest(CommandKind::Import, "in.ics"), store, files,
                              "/sounds/default.wav", [this] { ++saves; });
    }
    CommandRequest calendarRequest(CommandKind kind, const std::string& name) const
    {
        CommandRequest request;
        request.kind = kind;
        request.calendarFile = folder.file(name);
        return request;
    }

    CalendarFiles files{fs, clock, "Europe/Berlin"};
};

TEST_F(CalendarCommandTest, ImportSaysWhatItAddedAndWhatItSkippedAndWhy)
{
    const std::string event =
        "BEGIN:VEVENT\r\nUID:a\r\nDTSTAMP:20261201T000000Z\r\nDTSTART:20261210T080000\r\n"
        "SUMMARY:Dentist\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:PT0S\r\n"
        "DESCRIPTION:x\r\nEND:VALARM\r\nEND:VEVENT\r\n";
    const std::string plain =
        "BEGIN:VEVENT\r\nUID:b\r\nDTSTAMP:20261201T000000Z\r\nDTSTART:20261210T080000\r\n"
        "END:VEVENT\r\n";
    const std::string text =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//T//EN\r\n" + event + plain + "END:VCALENDAR\r\n";
    EXPECT_EQ(importFile(text),
              (CommandReply{
                  ExitDone, "Alarms added: 1. Events skipped: 1.\n  without a reminder (VALARM): 1\n", {}}));
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(alarmListText(store, clock, false), "2026-12-10\t08:00\tboth\tDentist\t\t\n");
    EXPECT_EQ(store.baseAlarmList()[0].waveFile, "/sounds/default.wav") << "as a new alarm";
    EXPECT_EQ(importFile(text).output,
              "Alarms added: 0. Events skipped: 2.\n  without a reminder (VALARM): 1\n"
              "  already in the list (same UID): 1\n");
    EXPECT_EQ(saves, 1) << "nothing added, nothing saved";
}

} // namespace
} // namespace klaxora::testing
