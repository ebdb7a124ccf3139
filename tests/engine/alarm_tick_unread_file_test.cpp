// When a load cannot read the alarm file, memory holds none of its alarms: nothing may be written over
// the file, the tick must keep trying to read it, even after a write of its own was refused, and what
// was set meanwhile joins the file's alarms once it reads.
#include "engine/alarm_tick.h"
#include "engine/tick_test_support.h"
#include "store/io_error.h"
#include "support/alarm_lines.h"

#include <gtest/gtest.h>

namespace klaxora {
namespace {

using test::at;

TEST(TickUnreadFileTest, AFailedReloadNeitherLosesTheFileNorStopsBeingRetried)
{
    const std::string morning = "08:00am^Morning^^3^06/11/2026^^0\r\n";
    FakeClock clock(at(2026, 6, 10, 23, 59, 58));
    test::MemoryFileSystem files;
    files.setContents("/alarms/Alarms.dat", morning);
    test::ReadWatchingFileSystem disk(files);
    DateTimeFormats formats(test::usUserSettings());
    AlarmStore store(clock, formats, "/alarms", disk);
    test::ListWindow window;
    store.setHost(&window);
    store.loadFromDisk();
    test::FakeTimer timer;
    test::FakeTickHost host;
    AlarmTick tick(store, clock, timer, host);

    // The disk fails just as the date changes: the reload reads nothing.
    disk.failReads = true;
    clock.set(at(2026, 6, 11, 0, 0, 5));
    tick.run();
    ASSERT_EQ(host.errors.size(), 1U);
    EXPECT_EQ(store.baseAlarmList().count(), 0);

    // Alarms set meanwhile cannot be saved over the unread file; they ring, and are not dropped by the
    // reads that keep failing.
    store.addAlarm("12:00am", "06/11/2026", "Meanwhile", "", amMessageOnly);
    store.addAlarm("08:30am", "06/11/2026", "Later", "", amMessageOnly);
    EXPECT_THROW(store.writeToDisk(), UnreadAlarmFileError);
    clock.advanceSeconds(1);
    tick.run();
    clock.advanceSeconds(1);
    tick.run();
    EXPECT_EQ(host.messages, std::vector<std::string>{"Meanwhile"});
    EXPECT_EQ(test::withoutUids(files.contents(store.alarmFilePath())), morning);
    EXPECT_TRUE(timer.enabled);

    // Once the disk reads again, the next tick brings the file's alarms back, with the one still to come.
    disk.failReads = false;
    clock.advanceSeconds(1);
    tick.run();
    ASSERT_EQ(store.todayList().count(), 2);
    EXPECT_EQ(store.todayList()[0].message, "Morning");
    EXPECT_EQ(test::withoutUids(files.contents(store.alarmFilePath())),
              morning + "08:30am^Later^^3^06/11/2026^^1\r\n");
    clock.set(at(2026, 6, 11, 8, 30, 0));
    tick.run();
    tick.run();
    EXPECT_EQ(host.messages,
              (std::vector<std::string>{"Meanwhile", "Missed: due at 8:00 AM on Thursday 6/11/26\nMorning",
                                        "Later"}));
}

TEST(TickUnreadFileTest, AStartWithAnUnreadableFileRingsItsAlarmsOnceItReads)
{
    FakeClock clock(at(2026, 6, 10, 7, 0, 0));
    test::MemoryFileSystem files;
    files.setContents("/alarms/Alarms.dat", "08:00am^Morning^^3^06/10/2026^^1\r\n");
    test::ReadWatchingFileSystem disk(files);
    DateTimeFormats formats(test::usUserSettings());
    AlarmStore store(clock, formats, "/alarms", disk);
    disk.failReads = true;
    EXPECT_THROW(store.loadFromDisk(), InOutError);
    test::FakeTimer timer;
    test::FakeTickHost host;
    AlarmTick tick(store, clock, timer, host);

    clock.advanceSeconds(1);
    tick.run();
    EXPECT_TRUE(store.alarmFileUnread());
    EXPECT_TRUE(host.errors.empty()) << "the start has told it already";

    // Readable again (a home folder mounted late) a minute after the alarm's time.
    disk.failReads = false;
    clock.set(at(2026, 6, 10, 8, 1, 0));
    tick.run();
    EXPECT_FALSE(store.alarmFileUnread());
    tick.run();
    EXPECT_EQ(host.messages, std::vector<std::string>{"Morning"});
}

} // namespace
} // namespace klaxora
