// Adjust Time and Clone Alarm: the minute shift, the selection afterwards, and results in the past.
#include "alarm_commands_test_support.h"

#include <QMenu>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace klaxora::test {
namespace {

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
        while (!disk.store.rows().empty())
            disk.store.deleteAlarm(0);
        add(at(2026, 3, 20, 10, 0), "Tea");
        selected = 0;
        commands.adjustDateTime(c.minutes);
        ASSERT_EQ(disk.store.baseAlarmList().count(), 1);
        EXPECT_EQ(dateOfStored(0), c.date);
        EXPECT_EQ(timeOfStored(0), c.time);
        ASSERT_EQ(disk.store.rows().count(), 1);
        const std::string dateText =
            formatDateTime("m/d/yy", disk.store.baseAlarmList()[0].alarmDate, disk.formats.user());
        EXPECT_EQ(rowText(0), "Tea...(" + std::string(c.rowTime) + "   " + dateText + ")");
        // The file keeps hours and minutes only.
        EXPECT_EQ(disk.fileContents(),
                  std::string(c.rowTime) + "^Tea^^3^" +
                      formatDateTime("mm/dd/yyyy", disk.store.baseAlarmList()[0].alarmDate,
                                     disk.formats.storage()) +
                      "^^0\r\n");
        EXPECT_EQ(selected, 0);
        EXPECT_TRUE(timer.enabled);
    }
}

TEST_F(CommandsTest, AdjustMovesARepeatingAlarmsNextOccurrenceToOneOfItsDays)
{
    // Monday to Friday at 10:00, next on Friday 20 March; the clock stands on Friday 6 March.
    const std::vector<AdjustCase> cases{
        {1440, {2026, 3, 23}, {10, 0, 0}, "10:00am"},
        {-1440, {2026, 3, 19}, {9, 59, 59}, "09:59am"},
        {10080, {2026, 3, 27}, {10, 0, 0}, "10:00am"},
    };
    for (const AdjustCase& c : cases) {
        SCOPED_TRACE(c.minutes);
        while (!disk.store.rows().empty())
            disk.store.deleteAlarm(0);
        disk.store.addAlarm("10:00am", "03/20/2026", "Work", "", amMessageAndSound,
                            RepeatDays::fromField("23456"));
        selected = 0;
        commands.adjustDateTime(c.minutes);
        ASSERT_EQ(disk.store.baseAlarmList().count(), 1);
        EXPECT_EQ(dateOfStored(0), c.date);
        EXPECT_EQ(timeOfStored(0), c.time);
        EXPECT_EQ(disk.store.baseAlarmList()[0].repeatDays, RepeatDays::fromField("23456"));
    }
    // A day back from Monday is the Friday before.
    disk.store.deleteAlarm(0);
    disk.store.addAlarm("10:00am", "03/23/2026", "Work", "", amMessageAndSound,
                        RepeatDays::fromField("23456"));
    selected = 0;
    commands.adjustDateTime(-1440);
    EXPECT_EQ(dateOfStored(0), (CivilDate{2026, 3, 20}));
}

TEST_F(CommandsTest, AdjustAcrossMidnightMovesTheDate)
{
    add(at(2026, 3, 6, 23, 50), "Late");
    selected = 0;
    commands.adjustDateTime(20);
    EXPECT_EQ(dateOfStored(0), (CivilDate{2026, 3, 7}));
    EXPECT_EQ(timeOfStored(0), (ClockTime{0, 10, 0}));
    EXPECT_EQ(rowText(0), "Late...(12:10am   3/7/26)");

    disk.store.deleteAlarm(0);
    add(at(2026, 3, 7, 0, 0), "Midnight");
    selected = 0;
    commands.adjustDateTime(-1);
    EXPECT_EQ(dateOfStored(0), (CivilDate{2026, 3, 6}));
    EXPECT_EQ(timeOfStored(0), (ClockTime{23, 59, 0}));
    EXPECT_EQ(rowText(0), "Midnight...(11:59pm   3/6/26)");
}

TEST_F(CommandsTest, AdjustSelectsTheMovedRowAndCloneKeepsTheSelection)
{
    add(at(2026, 3, 7, 8, 0), "Early");
    const AlarmId middle = add(at(2026, 3, 7, 12, 0), "Noon");
    add(at(2026, 3, 7, 18, 0), "Evening");
    selected = rowOf(middle);
    const std::string uid = stored(middle).uid;

    commands.adjustDateTime(-1440); // now the first row
    ASSERT_EQ(disk.store.rows().count(), 3);
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(stored(disk.store.rows()[0].object.id).uid, uid) << "a moved alarm stays the same alarm";
    EXPECT_EQ(rowText(0), "Noon...(11:59am   3/6/26)");

    // The copy goes in above the cloned row; the selection stays on the cloned row.
    selected = 2;
    commands.cloneAlarm(-1);
    ASSERT_EQ(disk.store.rows().count(), 4);
    EXPECT_EQ(selected, 3);
    EXPECT_EQ(rowText(2), "Evening...(05:59pm   3/7/26)");
    EXPECT_EQ(rowText(3), "Evening...(06:00pm   3/7/26)");
    EXPECT_GE(listFocused, 2);
    EXPECT_EQ(timer.switchedOff, 2);
    EXPECT_TRUE(timer.enabled);
}

TEST_F(CommandsTest, CloneAddsACopyWithTheSameMessageSoundAndMode)
{
    const std::string wave = disk.makeFile("ring.wav");
    disk.store.addAlarm("10:00am", "03/10/2026", "Call", wave, amSoundOnly);
    selected = 0;
    commands.cloneAlarm(1440);
    ASSERT_EQ(disk.store.baseAlarmList().count(), 2);
    EXPECT_EQ(dateOfStored(0), (CivilDate{2026, 3, 10}));
    EXPECT_EQ(dateOfStored(1), (CivilDate{2026, 3, 11}));
    EXPECT_EQ(timeOfStored(1), (ClockTime{10, 0, 0}));
    const StoredAlarm& copy = disk.store.baseAlarmList()[1];
    EXPECT_EQ(copy.message, "Call");
    EXPECT_EQ(copy.waveFile, wave);
    EXPECT_EQ(copy.alarmMode, amSoundOnly);
    EXPECT_NE(copy.uid, disk.store.baseAlarmList()[0].uid) << "a copy is an alarm of its own";
    EXPECT_EQ(selected, 0);
}

TEST_F(CommandsTest, AdjustAndCloneWithoutASelectedRowOnlyBeep)
{
    for (const TimeShiftEntry& entry : TimeShiftEntries) {
        commands.cloneAlarm(entry.minutes);
        commands.adjustDateTime(entry.minutes);
    }
    EXPECT_EQ(beeps, 24);
    EXPECT_EQ(timer.switchedOff, 0);
    EXPECT_FALSE(disk.fileExists());
}

// Mended: a result in the past used to delete the alarm (adjust) or store one that never shows or fires.
TEST_F(CommandsTest, AdjustOrCloneIntoThePastBeepsAndChangesNothing)
{
    disk.clock.set(at(2026, 3, 6, 10, 30));
    add(at(2026, 3, 6, 11, 0), "Meeting");
    selected = 0;
    disk.removeFile();

    commands.adjustDateTime(-60);   // 9:59:59 AM today, half an hour ago
    commands.adjustDateTime(-1440); // yesterday
    commands.cloneAlarm(-60);
    commands.cloneAlarm(-10080);
    EXPECT_EQ(beeps, 4);
    ASSERT_EQ(disk.store.baseAlarmList().count(), 1);
    EXPECT_EQ(timeOfStored(0), (ClockTime{11, 0, 0}));
    EXPECT_EQ(rowText(0), "Meeting...(11:00am   3/6/26)");
    EXPECT_EQ(selected, 0);
    EXPECT_FALSE(disk.fileExists());
    EXPECT_TRUE(timer.enabled);

    // Within the 30 seconds of grace the result is still taken: it fires at the next tick.
    disk.clock.set(at(2026, 3, 6, 10, 59, 20));
    commands.adjustDateTime(-1);
    EXPECT_EQ(beeps, 4);
    EXPECT_EQ(timeOfStored(0), (ClockTime{10, 59, 0}));
    EXPECT_EQ(disk.store.todayList().count(), 1);
}

TEST_F(CommandsTest, MenuTableGivesBothMenusTheTwelveEntries)
{
    QMenu menu;
    std::vector<std::int32_t> chosen;
    fillTimeShiftMenu(menu, [&chosen](std::int32_t minutes) { chosen.push_back(minutes); });
    const QList<QAction*> actions = menu.actions();
    ASSERT_EQ(actions.size(), 13);
    EXPECT_TRUE(actions[6]->isSeparator());
    EXPECT_EQ(actions[2]->text(), "+20 Minutes");
    EXPECT_EQ(actions[12]->text(), "-1 Week");
    actions[5]->trigger();
    actions[7]->trigger();
    EXPECT_EQ(chosen, (std::vector<std::int32_t>{10080, -1}));
}

} // namespace
} // namespace klaxora::test
