// When a reload cannot read the alarm file, memory holds none of its alarms: nothing may be written over
// the file, and the tick must keep trying to read it, even after a write of its own was refused.
#include "engine/alarm_tick.h"
#include "engine/tick_test_support.h"

#include <gtest/gtest.h>

namespace klaxora {
namespace {

using test::At;

TEST(TickUnreadFileTest, AFailedReloadNeitherLosesTheFileNorStopsBeingRetried)
{
    const std::string morning = "08:00am^Morning^^3^06/11/2026^^0\r\n";
    FakeClock clock(At(2026, 6, 10, 23, 59, 58));
    test::MemoryFileSystem files;
    files.SetContents("/alarms/Alarms.dat", morning);
    test::ReadWatchingFileSystem disk(files);
    DateTimeFormats formats(test::UsUserSettings());
    AlarmStore store(clock, formats, "/alarms", disk);
    test::ListWindow window;
    store.SetHost(&window);
    store.LoadFromDisk();
    test::FakeTimer timer;
    test::FakeTickHost host;
    AlarmTick tick(store, clock, timer, host);

    // The disk fails just as the date changes: the reload reads nothing.
    disk.failReads = true;
    clock.Set(At(2026, 6, 11, 0, 0, 5));
    tick.Timer1Timer();
    ASSERT_EQ(host.errors.size(), 1U);
    EXPECT_EQ(store.BaseAlarmList().Count(), 0);

    // An alarm set meanwhile cannot be saved over the unread file, and it still rings.
    store.AddAlarm("12:00am", "06/11/2026", "Meanwhile", "", amMessageOnly);
    EXPECT_THROW(store.WriteToDisk(), UnreadAlarmFileError);
    clock.AdvanceSeconds(1);
    tick.Timer1Timer();
    EXPECT_EQ(host.messages, std::vector<std::string>{"Meanwhile"});
    EXPECT_EQ(files.Contents(store.AlarmFilePath()), morning);
    EXPECT_TRUE(timer.enabled);

    // Once the disk reads again, the next tick brings the file's alarms back.
    disk.failReads = false;
    clock.AdvanceSeconds(1);
    tick.Timer1Timer();
    ASSERT_EQ(store.TodayList().Count(), 1);
    EXPECT_EQ(store.TodayList()[0].Message, "Morning");
    EXPECT_EQ(files.Contents(store.AlarmFilePath()), morning);
}

} // namespace
} // namespace klaxora
