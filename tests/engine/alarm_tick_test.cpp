// The tick against a fake clock and a fake window: what is announced when, what each answer does to
// the lists and the file, the clock text, the reload at a new date, and the timer around it all.
#include "engine/alarm_tick.h"
#include "engine/tick_test_support.h"
#include "store/io_error.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace klaxora {
namespace {

using test::at;

// Wednesday 10 June 2026, noon.
class TickTest : public ::testing::Test {
protected:
    AlarmId add(const char* time, const char* date, const char* message, AlarmMode mode = amMessageAndSound)
    {
        return rig.store.addAlarm(time, date, message, std::string(message) + ".wav", mode);
    }
    void setClock(DateTime now) { rig.clock.set(now); }
    void tick() { rig.tick.run(); }
    bool pending(AlarmId id) const { return rig.store.findAlarmForId(id) >= 0; }
    bool stored(AlarmId id) const { return rig.store.findBaseAlarmForId(id) >= 0; }
    bool listed(AlarmId id) const
    {
        for (int i = 0; i < rig.store.rows().count(); ++i) {
            if (rig.store.rows()[i].object.id == id) {
                return true;
            }
        }
        return false;
    }

    test::TickRig rig{at(2026, 6, 10, 12, 0)};
};

TEST_F(TickTest, NothingDueOnlyRefreshesTheClockWithTheTimerOffMeanwhile)
{
    const AlarmId tea = add("12:05pm", "06/10/2026", "Tea");
    const int writes = rig.files.completedWrites;
    setClock(at(2026, 6, 10, 12, 4, 59));
    tick();
    EXPECT_TRUE(rig.host.messages.empty());
    EXPECT_TRUE(rig.host.sounds.empty());
    EXPECT_TRUE(pending(tea));
    EXPECT_EQ(rig.files.completedWrites, writes);
    EXPECT_EQ(rig.host.clockText, "12:04:59pm");
    EXPECT_EQ(rig.timer.switches, (std::vector<bool>{false, true}));
}

TEST_F(TickTest, AnAlarmAlreadyDueWhenAddedFiresAtTheFirstTick)
{
    // 20 seconds late is within the grace that still makes it pending.
    const AlarmId late =
        rig.store.addAlarm("11:59:40am", "06/10/2026", "Late", "late.wav", amMessageAndSound);
    ASSERT_TRUE(pending(late));
    tick();
    EXPECT_EQ(rig.host.messages, std::vector<std::string>{"Late"});
    EXPECT_EQ(rig.host.sounds, std::vector<std::string>{"late.wav"});
    EXPECT_FALSE(stored(late));
}

TEST_F(TickTest, SoundOnlyPlaysWithoutDialogAndIsDeletedInTheSameTickAndMessageOnlyIsSilent)
{
    const AlarmId bell = add("12:00pm", "06/10/2026", "Bell", amSoundOnly);
    tick();
    EXPECT_TRUE(rig.host.messages.empty());
    EXPECT_EQ(rig.host.sounds, std::vector<std::string>{"Bell.wav"});
    EXPECT_FALSE(pending(bell));
    EXPECT_FALSE(stored(bell));
    EXPECT_FALSE(listed(bell));
    EXPECT_EQ(rig.alarmFile(), "");

    add("12:00pm", "06/10/2026", "Quiet", amMessageOnly);
    tick();
    EXPECT_EQ(rig.host.messages, std::vector<std::string>{"Quiet"});
    EXPECT_EQ(rig.host.sounds.size(), 1U);
}

TEST_F(TickTest, DeleteAndAWindowSystemCloseBothFinishTheAlarm)
{
    for (const int answer : {1, 2}) {
        SCOPED_TRACE(answer);
        const AlarmId done = add("12:00pm", "06/10/2026", "Done");
        const AlarmId later = add("05:00pm", "06/10/2026", "Later");
        rig.host.answer = [answer](const std::string&) { return answer; };
        const int writes = rig.files.completedWrites;
        tick();
        EXPECT_FALSE(pending(done));
        EXPECT_FALSE(stored(done));
        EXPECT_FALSE(listed(done));
        EXPECT_EQ(rig.files.completedWrites, writes + 1);
        EXPECT_EQ(rig.alarmFile(), "05:00pm^Later^^3^06/10/2026^Later.wav^0\r\n");
        // The first remaining row is selected when none was.
        EXPECT_EQ(rig.window.selected, 0);
        // Cleared for the next answer.
        rig.store.deleteAlarm(0);
        ASSERT_FALSE(listed(later));
    }
}

TEST_F(TickTest, ARepeatingLineRingsOnceADayWithTheClockRunningAnHourATickAndStaysInTheFile)
{
    rig.files.setContents(rig.store.alarmFilePath(), "07:00am^Stretch^1234567^1^06/10/2026^^1\r\n");
    setClock(at(2026, 6, 10, 0, 30));
    rig.store.loadFromDisk();
    for (int hour = 0; hour < 9 * 24; ++hour) {
        tick();
        rig.clock.advanceSeconds(3600);
    }
    EXPECT_EQ(rig.host.messages.size(), 9U) << "Wednesday 10 to Thursday 18 June";
    EXPECT_EQ(rig.alarmFile(), "07:00am^Stretch^1234567^1^06/19/2026^^1\r\n");
}

TEST_F(TickTest, ASnoozedOccurrenceComesBackOnceWhileTheRepeatingAlarmMovesOn)
{
    setClock(at(2026, 6, 12, 7, 0)); // a Friday
    rig.store.addAlarm("07:00am", "06/12/2026", "Work", "", amMessageOnly, RepeatDays::fromField("23456"));
    const std::string uid = rig.store.baseAlarmList()[0].uid;
    rig.host.answer = [](const std::string&) { return -10; };
    tick();
    EXPECT_EQ(rig.alarmFile(), "07:10am^Work^^3^06/12/2026^^1\r\n07:00am^Work^23456^1^06/15/2026^^1\r\n");
    EXPECT_NE(rig.store.baseAlarmList()[0].uid, uid) << "the snoozed occurrence is an alarm of its own";
    EXPECT_EQ(rig.store.baseAlarmList()[1].uid, uid) << "the repeating alarm moves on as itself";
}

TEST_F(TickTest, SnoozeOverMidnightLandsTomorrowListedButNotPendingUntilTheReload)
{
    setClock(at(2026, 6, 10, 23, 50, 0));
    const AlarmId night = add("11:50pm", "06/10/2026", "Night");
    const std::string uid = rig.store.baseAlarmList()[rig.store.findBaseAlarmForId(night)].uid;
    rig.host.answer = [](const std::string&) { return -30; };
    const int writes = rig.files.completedWrites;
    tick();

    // Once after the new alarm was added, once after the announced one was deleted.
    EXPECT_EQ(rig.files.completedWrites, writes + 2);
    EXPECT_FALSE(stored(night));
    ASSERT_EQ(rig.store.baseAlarmList().count(), 1);
    const StoredAlarm& snoozed = rig.store.baseAlarmList()[0];
    EXPECT_EQ(snoozed.alarmDate, encodeDate(2026, 6, 11));
    EXPECT_EQ(snoozed.alarmTime, encodeTime(0, 20, 0, 0));
    EXPECT_EQ(snoozed.message, "Night");
    EXPECT_EQ(snoozed.waveFile, "Night.wav");
    EXPECT_EQ(snoozed.uid, uid) << "a snoozed alarm comes back as the same alarm";
    EXPECT_TRUE(listed(snoozed.id));
    EXPECT_TRUE(rig.store.rows()[0].object.futureDate);
    EXPECT_FALSE(pending(snoozed.id));
    EXPECT_EQ(rig.alarmFile(), "12:20am^Night^^3^06/11/2026^Night.wav^0\r\n");

    setClock(at(2026, 6, 11, 0, 0, 1));
    tick();
    EXPECT_EQ(rig.store.loadedDate(), encodeDate(2026, 6, 11));
    ASSERT_EQ(rig.store.todayList().count(), 1);
    EXPECT_EQ(rig.store.todayList()[0].message, "Night");
    EXPECT_EQ(rig.host.messages.size(), 1U);

    setClock(at(2026, 6, 11, 0, 20, 0));
    rig.host.answer = [](const std::string&) { return 1; };
    tick();
    EXPECT_EQ(rig.host.messages, (std::vector<std::string>{"Night", "Night"}));
}

TEST_F(TickTest, SnoozeCountsFromTheAnswerNotFromTheAlarmTime)
{
    add("12:00pm", "06/10/2026", "Tea");
    rig.host.answer = [this](const std::string&) {
        rig.clock.advanceSeconds(95); // the user takes a while to answer
        return -10;
    };
    tick();
    ASSERT_EQ(rig.store.todayList().count(), 1);
    EXPECT_EQ(rig.store.todayList()[0].alarmTime, encodeTime(12, 11, 35, 0));
}

TEST_F(TickTest, TheFirstTickOfANewDateReloadsTheFile)
{
    setClock(at(2026, 6, 10, 23, 59, 59));
    tick();
    // Written by someone else meanwhile; only a reload can bring it in.
    rig.files.setContents(rig.store.alarmFilePath(), "08:00am^Breakfast^^3^06/11/2026^^1\r\n");
    setClock(at(2026, 6, 11, 0, 0, 0));
    tick();
    EXPECT_EQ(rig.store.loadedDate(), encodeDate(2026, 6, 11));
    ASSERT_EQ(rig.store.todayList().count(), 1);
    EXPECT_EQ(rig.store.todayList()[0].message, "Breakfast");
}

TEST_F(TickTest, AClockSetBackNeitherReloadsNorFiresTomorrowsTimesEarly)
{
    const AlarmId tea = add("12:05pm", "06/10/2026", "Tea");
    rig.files.setContents(rig.store.alarmFilePath(), "");
    setClock(at(2026, 6, 9, 12, 10, 0));
    tick();
    EXPECT_EQ(rig.store.loadedDate(), encodeDate(2026, 6, 10));
    EXPECT_TRUE(stored(tea));
    // Its time of day has passed, but on the 9th it is not due yet.
    EXPECT_TRUE(rig.host.messages.empty());
    setClock(at(2026, 6, 10, 12, 5, 0));
    tick();
    EXPECT_EQ(rig.host.messages, std::vector<std::string>{"Tea"});
}

TEST_F(TickTest, SeveralDueAtOnceFireOnePerTickInTheOrderTheyWereAdded)
{
    const AlarmId third = add("12:03pm", "06/10/2026", "Third");
    const AlarmId first = add("12:01pm", "06/10/2026", "First");
    const AlarmId notYet = add("12:30pm", "06/10/2026", "Not yet");
    const AlarmId second = add("12:02pm", "06/10/2026", "Second");
    setClock(at(2026, 6, 10, 12, 10, 0));
    for (int round = 1; round <= 4; ++round) {
        tick();
        rig.clock.advanceSeconds(1);
        EXPECT_EQ(rig.host.messages.size(), static_cast<std::size_t>(std::min(round, 3)));
    }
    EXPECT_EQ(rig.host.messages, (std::vector<std::string>{"Third", "First", "Second"}));
    for (const AlarmId gone : {first, second, third}) {
        EXPECT_FALSE(stored(gone));
        EXPECT_FALSE(listed(gone));
    }
    EXPECT_TRUE(pending(notYet));
    EXPECT_EQ(rig.alarmFile(), "12:30pm^Not yet^^3^06/10/2026^Not yet.wav^0\r\n");
}

TEST_F(TickTest, AFailedWriteIsShownTheTimerComesOnAndTheNextWriteCatchesUp)
{
    const AlarmId tea = add("12:00pm", "06/10/2026", "Tea");
    const AlarmId cake = add("12:00pm", "06/10/2026", "Cake");
    rig.store.writeToDisk();
    rig.host.answer = [](const std::string&) { return -5; };
    rig.files.failWrites = true;
    tick();
    ASSERT_EQ(rig.host.errors.size(), 1U);
    EXPECT_FALSE(rig.host.errors[0].empty());
    EXPECT_TRUE(rig.timer.enabled);
    // Finished once and snoozed once, in memory at least.
    EXPECT_FALSE(stored(tea));
    EXPECT_EQ(rig.store.todayList().count(), 2);

    // Still failing: the other alarm fires all the same, and the failure is not shown every second.
    rig.host.answer = [](const std::string&) { return 1; };
    rig.clock.advanceSeconds(1);
    tick();
    EXPECT_EQ(rig.host.messages, (std::vector<std::string>{"Tea", "Cake"}));
    EXPECT_FALSE(stored(cake));
    rig.clock.advanceSeconds(1);
    tick();
    EXPECT_EQ(rig.host.errors.size(), 2U);
    EXPECT_EQ(rig.alarmFile(),
              "12:00pm^Tea^^3^06/10/2026^Tea.wav^0\r\n12:00pm^Cake^^3^06/10/2026^Cake.wav^0\r\n");

    rig.files.failWrites = false;
    rig.clock.advanceSeconds(1);
    tick();
    EXPECT_EQ(rig.alarmFile(), "12:05pm^Tea^^3^06/10/2026^Tea.wav^0\r\n");
    EXPECT_EQ(rig.host.errors.size(), 2U);
}

TEST_F(TickTest, WhileSavesFailTheNewDaysAlarmsComeFromMemoryAndTheFailureIsToldAgain)
{
    setClock(at(2026, 6, 10, 23, 30, 0));
    add("11:30pm", "06/10/2026", "Night");
    rig.store.writeToDisk();
    rig.host.answer = [](const std::string&) { return -30; };
    rig.files.failWrites = true;
    tick();
    ASSERT_EQ(rig.host.errors.size(), 1U);
    // The disk stays full; an alarm for the morning is set all the same (its command says the save
    // failed), and neither it nor the snooze is in the file.
    add("08:00am", "06/11/2026", "Wake up");
    EXPECT_THROW(rig.store.writeToDisk(), InOutError);
    rig.host.answer = [](const std::string&) { return 1; };
    setClock(at(2026, 6, 10, 23, 59, 59));
    tick();
    EXPECT_EQ(rig.host.errors.size(), 1U) << "not told every second";

    // The box waits for the user all night; the alarms must ring meanwhile.
    bool timerOnWhileTold = false;
    rig.host.onShowError = [&] { timerOnWhileTold = rig.timer.enabled; };
    setClock(at(2026, 6, 11, 0, 0, 1));
    tick();
    EXPECT_EQ(rig.store.loadedDate(), encodeDate(2026, 6, 11));
    EXPECT_EQ(rig.host.errors.size(), 2U) << "told again when the day changes";
    EXPECT_TRUE(timerOnWhileTold);
    setClock(at(2026, 6, 11, 0, 0, 2));
    tick();
    EXPECT_EQ(rig.host.messages, (std::vector<std::string>{"Night", "Night"}));
    setClock(at(2026, 6, 11, 8, 0, 0));
    tick();
    EXPECT_EQ(rig.host.messages, (std::vector<std::string>{"Night", "Night", "Wake up"}));

    rig.files.failWrites = false;
    add("09:00am", "06/11/2026", "Tea");
    rig.clock.advanceSeconds(1);
    tick();
    EXPECT_EQ(rig.alarmFile(), "09:00am^Tea^^3^06/11/2026^Tea.wav^0\r\n");
}

TEST_F(TickTest, AlarmsPassedBeforeTheStartAreToldOldestFirstQuietlyWhenLongPastAndOnlyOnce)
{
    const AlarmId justLate = add("11:55am", "06/10/2026", "Just late");
    const AlarmId morning = add("08:00am", "06/10/2026", "Morning", amSoundOnly);
    const AlarmId saturday = add("09:00pm", "06/06/2026", "Saturday");
    ASSERT_TRUE(listed(saturday) && listed(morning) && listed(justLate));
    EXPECT_FALSE(pending(justLate)) << "past the 30 seconds of grace";
    std::vector<int> answers{1, -5, 1};
    rig.host.answer = [&](const std::string&) {
        const int answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    };
    for (int i = 0; i < 4; ++i) {
        tick();
    }
    // The "sound only" alarm told quietly gets the window; five minutes late still rings as due.
    EXPECT_EQ(rig.host.messages, (std::vector<std::string>{
                                     "Missed: due at 9:00 PM on Saturday 6/6/26\nSaturday",
                                     "Missed: due at 8:00 AM on Wednesday 6/10/26\nMorning", "Just late"}));
    EXPECT_EQ(rig.host.sounds, std::vector<std::string>{"Just late.wav"});
    EXPECT_EQ(rig.store.rows().count(), 1);
    EXPECT_EQ(rig.alarmFile(), "12:05pm^Morning^^3^06/10/2026^Morning.wav^2\r\n") << "the snooze alone";
}

TEST_F(TickTest, MoreThanThreeMissedAreToldTogetherAndKeptOrDeletedAsAWhole)
{
    for (const char* day : {"06/01/2026", "06/02/2026", "06/03/2026", "06/04/2026"}) {
        add("07:00am", day, "Holiday");
    }
    rig.store.writeToDisk();
    tick();
    ASSERT_EQ(rig.host.missedTogether.size(), 1U);
    EXPECT_EQ(rig.host.missedTogether[0][0], "7:00 AM  Monday 6/1/26  Holiday");
    EXPECT_TRUE(rig.host.messages.empty() && rig.host.sounds.empty());
    EXPECT_EQ(rig.store.rows().count(), 4) << "kept";
    tick();
    EXPECT_EQ(rig.host.missedTogether.size(), 1U) << "told once";

    rig.host.deleteAllMissed = true;
    setClock(at(2026, 6, 11, 0, 0, 1));
    tick();
    tick();
    EXPECT_EQ(rig.host.missedTogether.size(), 2U) << "told again after the reload of a new day";
    EXPECT_EQ(rig.store.rows().count(), 0);
    EXPECT_EQ(rig.alarmFile(), "");
}

TEST_F(TickTest, AfterAJumpOverMidnightYesterdaysAndTodaysMissedAlarmsStillRing)
{
    add("11:30pm", "06/10/2026", "Evening");
    add("11:45pm", "06/10/2026", "Late evening");
    add("12:15am", "06/11/2026", "After midnight");
    add("07:00am", "06/11/2026", "Morning");
    setClock(at(2026, 6, 10, 23, 0, 0));
    tick();
    // The machine slept from 23:00 to 01:00.
    setClock(at(2026, 6, 11, 1, 0, 0));
    for (int i = 0; i < 5; ++i) {
        tick();
        rig.clock.advanceSeconds(1);
    }
    // Long past, they are told as missed and quietly.
    EXPECT_EQ(rig.host.messages,
              (std::vector<std::string>{"Missed: due at 11:30 PM on Wednesday 6/10/26\nEvening",
                                        "Missed: due at 11:45 PM on Wednesday 6/10/26\nLate evening",
                                        "Missed: due at 12:15 AM on Thursday 6/11/26\nAfter midnight"}));
    EXPECT_TRUE(rig.host.sounds.empty());
    EXPECT_EQ(rig.store.loadedDate(), encodeDate(2026, 6, 11));
    ASSERT_EQ(rig.store.todayList().count(), 1);
    EXPECT_EQ(rig.store.todayList()[0].message, "Morning");
}

TEST_F(TickTest, ACommandRunFromTheTicksEventProcessingDoesNotRestartTheTimerEarly)
{
    add("12:00pm", "06/10/2026", "Tea");
    std::vector<bool> seenDuringTick;
    rig.host.onProcessEvents = [this, &seenDuringTick] {
        {
            TimerOffBracket command(rig.timer);
        }
        seenDuringTick.push_back(rig.timer.enabled);
    };
    tick();
    ASSERT_FALSE(seenDuringTick.empty());
    for (const bool enabled : seenDuringTick) {
        EXPECT_FALSE(enabled);
    }
    EXPECT_TRUE(rig.timer.enabled);
}

TEST_F(TickTest, TheTimerComesOnAgainWhenTheWindowSideThrows)
{
    add("12:00pm", "06/10/2026", "Tea");
    rig.host.answer = [](const std::string&) -> int { throw std::runtime_error("window gone"); };
    EXPECT_THROW(tick(), std::runtime_error);
    EXPECT_TRUE(rig.timer.enabled);
}

} // namespace
} // namespace klaxora
