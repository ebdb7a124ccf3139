// The tick against a fake clock and a fake window: what is announced when, what each answer does to
// the lists and the file, the clock text, the reload at a new date, and the timer around it all.
#include "engine/alarm_tick.h"
#include "engine/tick_test_support.h"
#include "store/io_error.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace klaxora {
namespace {

using test::At;

// Wednesday 10 June 2026, noon.
class TickTest : public ::testing::Test {
protected:
    AlarmId Add(const char* time, const char* date, const char* message, TAlarmMode mode = amMessageAndSound)
    {
        return rig.store.AddAlarm(time, date, message, std::string(message) + ".wav", mode);
    }
    void SetClock(TDateTime now) { rig.clock.Set(now); }
    void Tick() { rig.tick.run(); }
    bool Pending(AlarmId id) const { return rig.store.FindAlarmForId(id) >= 0; }
    bool Stored(AlarmId id) const { return rig.store.FindBaseAlarmForId(id) >= 0; }
    bool Listed(AlarmId id) const
    {
        for (int i = 0; i < rig.store.Rows().Count(); ++i) {
            if (rig.store.Rows()[i].Object.Id == id) {
                return true;
            }
        }
        return false;
    }

    test::TickRig rig{At(2026, 6, 10, 12, 0)};
};

TEST_F(TickTest, NothingDueOnlyRefreshesTheClockWithTheTimerOffMeanwhile)
{
    const AlarmId tea = Add("12:05pm", "06/10/2026", "Tea");
    const int writes = rig.files.completedWrites;
    SetClock(At(2026, 6, 10, 12, 4, 59));
    Tick();
    EXPECT_TRUE(rig.host.messages.empty());
    EXPECT_TRUE(rig.host.sounds.empty());
    EXPECT_TRUE(Pending(tea));
    EXPECT_EQ(rig.files.completedWrites, writes);
    EXPECT_EQ(rig.host.clockText, "12:04:59pm");
    EXPECT_EQ(rig.timer.switches, (std::vector<bool>{false, true}));
}

TEST_F(TickTest, AnAlarmAlreadyDueWhenAddedFiresAtTheFirstTick)
{
    // 20 seconds late is within the grace that still makes it pending.
    const AlarmId late =
        rig.store.AddAlarm("11:59:40am", "06/10/2026", "Late", "late.wav", amMessageAndSound);
    ASSERT_TRUE(Pending(late));
    Tick();
    EXPECT_EQ(rig.host.messages, std::vector<std::string>{"Late"});
    EXPECT_EQ(rig.host.sounds, std::vector<std::string>{"late.wav"});
    EXPECT_FALSE(Stored(late));
}

TEST_F(TickTest, SoundOnlyPlaysWithoutDialogAndIsDeletedInTheSameTickAndMessageOnlyIsSilent)
{
    const AlarmId bell = Add("12:00pm", "06/10/2026", "Bell", amSoundOnly);
    Tick();
    EXPECT_TRUE(rig.host.messages.empty());
    EXPECT_EQ(rig.host.sounds, std::vector<std::string>{"Bell.wav"});
    EXPECT_FALSE(Pending(bell));
    EXPECT_FALSE(Stored(bell));
    EXPECT_FALSE(Listed(bell));
    EXPECT_EQ(rig.AlarmFile(), "");

    Add("12:00pm", "06/10/2026", "Quiet", amMessageOnly);
    Tick();
    EXPECT_EQ(rig.host.messages, std::vector<std::string>{"Quiet"});
    EXPECT_EQ(rig.host.sounds.size(), 1U);
}

TEST_F(TickTest, DeleteAndAWindowSystemCloseBothFinishTheAlarm)
{
    for (const int answer : {1, 2}) {
        SCOPED_TRACE(answer);
        const AlarmId done = Add("12:00pm", "06/10/2026", "Done");
        const AlarmId later = Add("05:00pm", "06/10/2026", "Later");
        rig.host.answer = [answer](const std::string&) { return answer; };
        const int writes = rig.files.completedWrites;
        Tick();
        EXPECT_FALSE(Pending(done));
        EXPECT_FALSE(Stored(done));
        EXPECT_FALSE(Listed(done));
        EXPECT_EQ(rig.files.completedWrites, writes + 1);
        EXPECT_EQ(rig.AlarmFile(), "05:00pm^Later^^3^06/10/2026^Later.wav^0\r\n");
        // The first remaining row is selected when none was.
        EXPECT_EQ(rig.window.selected, 0);
        // Cleared for the next answer.
        rig.store.DeleteAlarm(0);
        ASSERT_FALSE(Listed(later));
    }
}

TEST_F(TickTest, SnoozeOverMidnightLandsTomorrowListedButNotPendingUntilTheReload)
{
    SetClock(At(2026, 6, 10, 23, 50, 0));
    const AlarmId night = Add("11:50pm", "06/10/2026", "Night");
    rig.host.answer = [](const std::string&) { return -30; };
    const int writes = rig.files.completedWrites;
    Tick();

    // Once after the new alarm was added, once after the announced one was deleted.
    EXPECT_EQ(rig.files.completedWrites, writes + 2);
    EXPECT_FALSE(Stored(night));
    ASSERT_EQ(rig.store.BaseAlarmList().Count(), 1);
    const TBaseAlarm& snoozed = rig.store.BaseAlarmList()[0];
    EXPECT_EQ(snoozed.AlarmDate, EncodeDate(2026, 6, 11));
    EXPECT_EQ(snoozed.AlarmTime, EncodeTime(0, 20, 0, 0));
    EXPECT_EQ(snoozed.Message, "Night");
    EXPECT_EQ(snoozed.WaveFile, "Night.wav");
    EXPECT_TRUE(Listed(snoozed.Id));
    EXPECT_TRUE(rig.store.Rows()[0].Object.FutureDate);
    EXPECT_FALSE(Pending(snoozed.Id));
    EXPECT_EQ(rig.AlarmFile(), "12:20am^Night^^3^06/11/2026^Night.wav^0\r\n");

    SetClock(At(2026, 6, 11, 0, 0, 1));
    Tick();
    EXPECT_EQ(rig.store.LoadedDate(), EncodeDate(2026, 6, 11));
    ASSERT_EQ(rig.store.TodayList().Count(), 1);
    EXPECT_EQ(rig.store.TodayList()[0].Message, "Night");
    EXPECT_EQ(rig.host.messages.size(), 1U);

    SetClock(At(2026, 6, 11, 0, 20, 0));
    rig.host.answer = [](const std::string&) { return 1; };
    Tick();
    EXPECT_EQ(rig.host.messages, (std::vector<std::string>{"Night", "Night"}));
}

TEST_F(TickTest, SnoozeCountsFromTheAnswerNotFromTheAlarmTime)
{
    Add("12:00pm", "06/10/2026", "Tea");
    rig.host.answer = [this](const std::string&) {
        rig.clock.AdvanceSeconds(95); // the user takes a while to answer
        return -10;
    };
    Tick();
    ASSERT_EQ(rig.store.TodayList().Count(), 1);
    EXPECT_EQ(rig.store.TodayList()[0].AlarmTime, EncodeTime(12, 11, 35, 0));
}

TEST_F(TickTest, TheFirstTickOfANewDateReloadsTheFile)
{
    SetClock(At(2026, 6, 10, 23, 59, 59));
    Tick();
    // Written by someone else meanwhile; only a reload can bring it in.
    rig.files.SetContents(rig.store.AlarmFilePath(), "08:00am^Breakfast^^3^06/11/2026^^1\r\n");
    SetClock(At(2026, 6, 11, 0, 0, 0));
    Tick();
    EXPECT_EQ(rig.store.LoadedDate(), EncodeDate(2026, 6, 11));
    ASSERT_EQ(rig.store.TodayList().Count(), 1);
    EXPECT_EQ(rig.store.TodayList()[0].Message, "Breakfast");
}

TEST_F(TickTest, AClockSetBackNeitherReloadsNorFiresTomorrowsTimesEarly)
{
    const AlarmId tea = Add("12:05pm", "06/10/2026", "Tea");
    rig.files.SetContents(rig.store.AlarmFilePath(), "");
    SetClock(At(2026, 6, 9, 12, 10, 0));
    Tick();
    EXPECT_EQ(rig.store.LoadedDate(), EncodeDate(2026, 6, 10));
    EXPECT_TRUE(Stored(tea));
    // Its time of day has passed, but on the 9th it is not due yet.
    EXPECT_TRUE(rig.host.messages.empty());
    SetClock(At(2026, 6, 10, 12, 5, 0));
    Tick();
    EXPECT_EQ(rig.host.messages, std::vector<std::string>{"Tea"});
}

TEST_F(TickTest, SeveralDueAtOnceFireOnePerTickInTheOrderTheyWereAdded)
{
    const AlarmId third = Add("12:03pm", "06/10/2026", "Third");
    const AlarmId first = Add("12:01pm", "06/10/2026", "First");
    const AlarmId notYet = Add("12:30pm", "06/10/2026", "Not yet");
    const AlarmId second = Add("12:02pm", "06/10/2026", "Second");
    SetClock(At(2026, 6, 10, 12, 10, 0));
    for (int tick = 1; tick <= 4; ++tick) {
        Tick();
        rig.clock.AdvanceSeconds(1);
        EXPECT_EQ(rig.host.messages.size(), static_cast<std::size_t>(std::min(tick, 3)));
    }
    EXPECT_EQ(rig.host.messages, (std::vector<std::string>{"Third", "First", "Second"}));
    for (const AlarmId gone : {first, second, third}) {
        EXPECT_FALSE(Stored(gone));
        EXPECT_FALSE(Listed(gone));
    }
    EXPECT_TRUE(Pending(notYet));
    EXPECT_EQ(rig.AlarmFile(), "12:30pm^Not yet^^3^06/10/2026^Not yet.wav^0\r\n");
}

TEST_F(TickTest, AFailedWriteIsShownTheTimerComesOnAndTheNextWriteCatchesUp)
{
    const AlarmId tea = Add("12:00pm", "06/10/2026", "Tea");
    const AlarmId cake = Add("12:00pm", "06/10/2026", "Cake");
    rig.store.WriteToDisk();
    rig.host.answer = [](const std::string&) { return -5; };
    rig.files.failWrites = true;
    Tick();
    ASSERT_EQ(rig.host.errors.size(), 1U);
    EXPECT_FALSE(rig.host.errors[0].empty());
    EXPECT_TRUE(rig.timer.enabled);
    // Finished once and snoozed once, in memory at least.
    EXPECT_FALSE(Stored(tea));
    EXPECT_EQ(rig.store.TodayList().Count(), 2);

    // Still failing: the other alarm fires all the same, and the failure is not shown every second.
    rig.host.answer = [](const std::string&) { return 1; };
    rig.clock.AdvanceSeconds(1);
    Tick();
    EXPECT_EQ(rig.host.messages, (std::vector<std::string>{"Tea", "Cake"}));
    EXPECT_FALSE(Stored(cake));
    rig.clock.AdvanceSeconds(1);
    Tick();
    EXPECT_EQ(rig.host.errors.size(), 2U);
    EXPECT_EQ(rig.AlarmFile(),
              "12:00pm^Tea^^3^06/10/2026^Tea.wav^0\r\n12:00pm^Cake^^3^06/10/2026^Cake.wav^0\r\n");

    rig.files.failWrites = false;
    rig.clock.AdvanceSeconds(1);
    Tick();
    EXPECT_EQ(rig.AlarmFile(), "12:05pm^Tea^^3^06/10/2026^Tea.wav^0\r\n");
    EXPECT_EQ(rig.host.errors.size(), 2U);
}

TEST_F(TickTest, WhileSavesFailTheNewDaysAlarmsComeFromMemoryAndTheFailureIsToldAgain)
{
    SetClock(At(2026, 6, 10, 23, 30, 0));
    Add("11:30pm", "06/10/2026", "Night");
    rig.store.WriteToDisk();
    rig.host.answer = [](const std::string&) { return -30; };
    rig.files.failWrites = true;
    Tick();
    ASSERT_EQ(rig.host.errors.size(), 1U);
    // The disk stays full; an alarm for the morning is set all the same (its command says the save
    // failed), and neither it nor the snooze is in the file.
    Add("08:00am", "06/11/2026", "Wake up");
    EXPECT_THROW(rig.store.WriteToDisk(), InOutError);
    rig.host.answer = [](const std::string&) { return 1; };
    SetClock(At(2026, 6, 10, 23, 59, 59));
    Tick();
    EXPECT_EQ(rig.host.errors.size(), 1U) << "not told every second";

    // The box waits for the user all night; the alarms must ring meanwhile.
    bool timerOnWhileTold = false;
    rig.host.onShowError = [&] { timerOnWhileTold = rig.timer.enabled; };
    SetClock(At(2026, 6, 11, 0, 0, 1));
    Tick();
    EXPECT_EQ(rig.store.LoadedDate(), EncodeDate(2026, 6, 11));
    EXPECT_EQ(rig.host.errors.size(), 2U) << "told again when the day changes";
    EXPECT_TRUE(timerOnWhileTold);
    SetClock(At(2026, 6, 11, 0, 0, 2));
    Tick();
    EXPECT_EQ(rig.host.messages, (std::vector<std::string>{"Night", "Night"}));
    SetClock(At(2026, 6, 11, 8, 0, 0));
    Tick();
    EXPECT_EQ(rig.host.messages, (std::vector<std::string>{"Night", "Night", "Wake up"}));

    rig.files.failWrites = false;
    Add("09:00am", "06/11/2026", "Tea");
    rig.clock.AdvanceSeconds(1);
    Tick();
    EXPECT_EQ(rig.AlarmFile(), "09:00am^Tea^^3^06/11/2026^Tea.wav^0\r\n");
}

TEST_F(TickTest, AfterAJumpOverMidnightYesterdaysAndTodaysMissedAlarmsStillRing)
{
    Add("11:30pm", "06/10/2026", "Evening");
    Add("11:45pm", "06/10/2026", "Late evening");
    Add("12:15am", "06/11/2026", "After midnight");
    Add("07:00am", "06/11/2026", "Morning");
    SetClock(At(2026, 6, 10, 23, 0, 0));
    Tick();
    // The machine slept from 23:00 to 01:00.
    SetClock(At(2026, 6, 11, 1, 0, 0));
    for (int i = 0; i < 5; ++i) {
        Tick();
        rig.clock.AdvanceSeconds(1);
    }
    EXPECT_EQ(rig.host.messages, (std::vector<std::string>{"Evening", "Late evening", "After midnight"}));
    EXPECT_EQ(rig.store.LoadedDate(), EncodeDate(2026, 6, 11));
    ASSERT_EQ(rig.store.TodayList().Count(), 1);
    EXPECT_EQ(rig.store.TodayList()[0].Message, "Morning");
}

TEST_F(TickTest, ACommandRunFromTheTicksEventProcessingDoesNotRestartTheTimerEarly)
{
    Add("12:00pm", "06/10/2026", "Tea");
    std::vector<bool> seenDuringTick;
    rig.host.onProcessEvents = [this, &seenDuringTick] {
        {
            TimerOffBracket command(rig.timer);
        }
        seenDuringTick.push_back(rig.timer.enabled);
    };
    Tick();
    ASSERT_FALSE(seenDuringTick.empty());
    for (const bool enabled : seenDuringTick) {
        EXPECT_FALSE(enabled);
    }
    EXPECT_TRUE(rig.timer.enabled);
}

TEST_F(TickTest, TheTimerComesOnAgainWhenTheWindowSideThrows)
{
    Add("12:00pm", "06/10/2026", "Tea");
    rig.host.answer = [](const std::string&) -> int { throw std::runtime_error("window gone"); };
    EXPECT_THROW(Tick(), std::runtime_error);
    EXPECT_TRUE(rig.timer.enabled);
}

} // namespace
} // namespace klaxora
