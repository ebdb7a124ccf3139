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
    std::vector<DateTime> rang;
    rig.host.answer = [&](const std::string& message) {
        EXPECT_EQ(message, "Stand-up");
        rang.push_back(rig.clock.now());
        return 1;
    };
    while (rig.clock.now() < friday + 5 && !::testing::Test::HasFailure()) {
        rig.tick.run();
        rig.clock.advanceSeconds(20);
    }
    ASSERT_TRUE(rig.host.errors.empty());
    const std::vector<DateTime> workingDays{friday, friday + 3, friday + 4}; // Friday, Monday, Tuesday
    ASSERT_EQ(rang.size(), workingDays.size());
    for (std::size_t i = 0; i < rang.size(); ++i) {
        EXPECT_GE(rang[i], workingDays[i] + request.time);
        EXPECT_LT(rang[i], workingDays[i] + request.time + 1.0 / 1440);
    }
    // Still one alarm, for Wednesday.
    ASSERT_EQ(rig.store.baseAlarmList().count(), 1);
    EXPECT_EQ(rig.store.baseAlarmList()[0].alarmDate, friday + 5);
}

} // namespace
} // namespace klaxora
