// Every file step of every operation that reads or writes "Alarms.dat" made to fail, one at a time, with
// every error that step can meet: the error reaches the caller with its text, the file stays as it was
// byte for byte, no temporary file is left, the lists are what the operation made of them, and the next
// successful write (or load) brings the file up to date.
#include "fault_errors.h"
#include "scripted_file_system.h"
#include "store/alarm_store.h"
#include "store/io_error.h"
#include "store/store_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <iostream>

namespace klaxora {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using namespace klaxora::testing;

// As a user's file looks: loose times and dates, a weekday line, a passed alarm, a line that is no alarm.
const char StartFile[] = "9:05 AM^Tea^^3^6/15/26^^1\r\n"
                         "07:30pm^Call the garage^^3^06/10/2026^/snd/ring.wav^0\r\n"
                         "11:00am^Every Saturday^7^0^01/01/2020^^2\r\n"
                         "08:00am^passed^^3^06/09/2026^^0\r\n"
                         "not an alarm\r\n"
                         "06:00pm^Café Müller^^3^12/24/2026^^0";

// One store on a scratch folder holding StartFile, at noon on Wednesday 10 June 2026.
struct AlarmWorld {
    AlarmWorld() : formats(usUser()), store(clock, formats, folder.path(), fs)
    {
        store.setHost(&host);
        // Every world gives the same identities, so that their files compare.
        store.seedUids(1);
        writeFile(path(), StartFile);
    }
    std::string path() const { return folder.file("Alarms.dat"); }

    TempFolder folder;
    ScriptedFileSystem fs;
    FakeClock clock{at(2026, 6, 10, 12, 0)};
    DateTimeFormats formats;
    AlarmStore store;
    FakeHost host;
};

struct Scenario {
    std::function<void(AlarmStore&)> prepare; // runs without faults
    std::function<void(AlarmStore&)> act;     // its file steps fail one by one
};

struct SweepCount {
    int points = 0;
    int steps = 0;
};

SweepCount sweep(const Scenario& scenario, bool cleanUpFailsToo = false)
{
    AlarmWorld healthy;
    scenario.prepare(healthy.store);
    std::vector<std::string> fileBeforeCall;
    healthy.fs.clearTrace();
    healthy.fs.setBeforeCall([&] { fileBeforeCall.push_back(readFile(healthy.path())); });
    scenario.act(healthy.store);
    const std::vector<FsCall> trace = healthy.fs.trace();
    const std::string finalFile = readFile(healthy.path());
    const std::vector<std::string> finalLists = describe(healthy.store);
    EXPECT_FALSE(trace.empty());

    SweepCount count;
    for (std::size_t call = 0; call < trace.size(); ++call) {
        ++count.steps;
        for (const ErrorCase& error : errorsAt(trace[call])) {
            SCOPED_TRACE(std::string(fsCallName(trace[call])) + " (call " + std::to_string(call) +
                         ") fails with errno " + std::to_string(error.code));
            AlarmWorld world;
            scenario.prepare(world.store);
            world.fs.clearTrace();
            world.fs.failCall(call, error.code);
            if (cleanUpFailsToo)
                world.fs.failEveryRemove(EIO);
            try {
                scenario.act(world.store);
                ADD_FAILURE() << "a failed step was taken as success";
            } catch (const InOutError& failure) {
                EXPECT_EQ(failure.what(), error.text);
            }
            // A failed folder sync comes after the rename: the file is the new one, yet the save failed.
            EXPECT_EQ(readFile(world.path()), fileBeforeCall[call])
                << "the file stays as it was before the failing step, byte for byte";
            if (!cleanUpFailsToo) {
                EXPECT_THAT(world.folder.names(), ElementsAre("Alarms.dat")) << "no temporary file is left";
            }

            world.fs.heal();
            if (trace[call] == FsCall::Read) {
                EXPECT_THAT(describe(world.store), IsEmpty()) << "a load starts from empty lists";
                world.store.loadFromDisk();
            } else {
                EXPECT_EQ(describe(world.store), finalLists) << "the failed write changed no list";
                world.store.writeToDisk();
            }
            EXPECT_EQ(readFile(world.path()), finalFile) << "the next write brings the file up to date";
            EXPECT_EQ(describe(world.store), finalLists);
            ++count.points;
        }
    }
    return count;
}

void report(const char* what, const SweepCount& count)
{
    ::testing::Test::RecordProperty("fault_points", count.points);
    std::cout << "[ fault points ] " << what << ": " << count.points << " faults at " << count.steps
              << " steps\n";
}

void loadOnly(AlarmStore&) {}
void load(AlarmStore& store)
{
    store.loadFromDisk();
}

TEST(AlarmFileFaultSweep, LoadingReadsAndRewritesOrFailsWithoutHarm)
{
    const SweepCount count = sweep({loadOnly, load});
    EXPECT_EQ(count.steps, 8) << "read, open, write, flush, sync, close, rename, folder sync";
    report("LoadFromDisk", count);
}

TEST(AlarmFileFaultSweep, WritingAfterAddingAlarms)
{
    const SweepCount count = sweep({[](AlarmStore& store) {
                                        store.loadFromDisk();
                                        store.addAlarm("10:15pm", "06/10/2026", "Late call", "", 0);
                                        store.addAlarm("06:00am", "01/02/2027", "Early", "/snd/a.wav", 2);
                                    },
                                    [](AlarmStore& store) { store.writeToDisk(); }});
    EXPECT_EQ(count.steps, 7);
    report("WriteToDisk after AddAlarm", count);
}

TEST(AlarmFileFaultSweep, DeletingAFinishedAlarm)
{
    const SweepCount count = sweep({load, [](AlarmStore& store) { store.deleteAlarmJustDone(0); }});
    EXPECT_EQ(count.steps, 7);
    report("DeleteAlarmJustDone", count);
}

TEST(AlarmFileFaultSweep, AFailureWhoseCleanUpFailsTooStillKeepsTheFileAndTheFirstError)
{
    const SweepCount count = sweep({loadOnly, load}, true);
    report("LoadFromDisk with failing clean-up", count);
}

} // namespace
} // namespace klaxora
