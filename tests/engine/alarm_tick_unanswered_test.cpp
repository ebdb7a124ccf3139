// A notification whose loop is ended without an answer (the program is being ended) leaves its alarm alone.
#include "engine/alarm_tick.h"
#include "engine/tick_test_support.h"

#include <gtest/gtest.h>

namespace klaxora {
namespace {

TEST(TickUnansweredTest, ADialogEndedWithoutAnAnswerKeepsTheAlarm)
{
    test::TickRig rig(test::at(2026, 6, 10, 12, 0, 0));
    const AlarmId id = rig.store.addAlarm("12:00pm", "06/10/2026", "Tea", "", amMessageAndSound);
    rig.store.writeToDisk();
    const std::string before = rig.alarmFile();
    rig.host.answer = [](const std::string&) { return 0; };

    rig.tick.run();
    ASSERT_EQ(rig.host.messages.size(), 1U);
    EXPECT_GE(rig.store.findBaseAlarmForId(id), 0);
    EXPECT_GE(rig.store.findAlarmForId(id), 0);
    EXPECT_EQ(rig.store.rows().count(), 1);
    EXPECT_EQ(rig.alarmFile(), before);

    // It rings again at the next tick, and an answer then finishes it.
    rig.host.answer = [](const std::string&) { return 1; };
    rig.tick.run();
    EXPECT_EQ(rig.host.messages, (std::vector<std::string>{"Tea", "Tea"}));
    EXPECT_LT(rig.store.findBaseAlarmForId(id), 0);
}

} // namespace
} // namespace klaxora
