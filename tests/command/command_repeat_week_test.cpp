// klaxora --add ... --repeat mon-fri handed to the running program on a Friday morning, then the tick
// through the days after: only the working days ring.
#include "command/command_execution.h"
#include "command/repeat_days_words.h"
#include "engine/alarm_tick.h"
#include "engine/tick_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace klaxora {
namespace {

TEST(RepeatingAlarmWeek, AddedOnFridayMorningRingsOnWorkingDaysOnly)
{
    const DateTime friday = encodeDate(2026, 6, 12);
    test::TickRig rig(friday + encodeTime(6, 40, 0, 0));
    // klaxora --add "Stand-up" --at 07:00 --repeat mon-fri, handed to the running program.
    CommandRequest request;
    request.kind = CommandKind::Add;
    request.message = "Stand-up";
    request.time = encodeTime(7, 0, 0, 0);
    request.repeatDays = readRepeatDays("mon-fri").value();
    ASSERT_EQ(carryOutAdd(request, rig.store, rig.clock, "", [&] { rig.store.writeToDisk(); }).exitCode,
              ExitDone);

    // Every ring is answered with Delete, which ends that day's occurrence only.
    std::vector<DateTime> ringDays;
    rig.host.answer = [&](const std::string&) {
        ringDays.push_back(rig.clock.today());
        return 1;
    };
    while (rig.clock.now() < friday + 5) {
        rig.tick.run();
        rig.clock.advanceSeconds(20);
    }
    EXPECT_EQ(ringDays, (std::vector<DateTime>{friday, friday + 3, friday + 4})) << "Friday, Monday, Tuesday";
    EXPECT_EQ(rig.alarmFile(), "07:00am^Stand-up^23456^1^06/17/2026^^0\r\n") << "one line, for Wednesday";
}

} // namespace
} // namespace klaxora
