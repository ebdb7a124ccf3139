// A year of use in Berlin, with both daylight-saving changes, sleep over midnight, restarts and the clock
// set back: every alarm rings once per due time and never early, what passed while the program was closed
// is told late, snoozes come back when asked, the file always holds what memory holds, and
// memory stays flat.
#include "engine/live_heap.h"
#include "engine/tick_test_support.h"
#include "engine/year_simulation.h"
#include "engine/zone_clock.h"
#include "store/alarm_file.h"
#include "store/file_system.h"
#include "support/alarm_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>

namespace klaxora {
namespace {

void printFigures(const year::YearFigures& figures)
{
    std::printf("simulated days %d, ticks %lld, announcements checked %d (%d after a snooze, %d told as "
                "missed, %d more than 2 s late, latest %.1f min), %d missed deleted together\n",
                figures.simulatedDays, figures.ticks, figures.announcements, figures.snoozedRings,
                figures.missedRings, figures.lateRings, static_cast<double>(figures.maxLateMs) / 60000,
                figures.missedTogether);
    std::printf("answers:");
    for (const auto& [answer, count] : figures.answers)
        std::printf(" %d:%d", answer, count);
    std::printf("\ncommands:");
    for (const auto& [command, count] : figures.commands)
        std::printf(" %s %d,", command.c_str(), count);
    std::printf(" refused shifts %d, planned while asleep %d\n", figures.refusedShifts,
                figures.skippedWhileAsleep);
    std::printf("suspends %d (%d over midnight), restarts %d (%d near the 30 s grace), clock set back %d, "
                "reloads on a new date %d\n",
                figures.suspends, figures.suspendsOverMidnight, figures.restarts, figures.restartsNearGrace,
                figures.jumpsBack, figures.dateChangeReloads);
    std::printf(
        "loads: %d of past days and %d of the day missed, %d rang within the grace; a snooze rang at most "
        "%.3f s before the time asked\n",
        figures.loads.pastDays, figures.loads.tooLate, figures.loads.inGrace,
        static_cast<double>(figures.maxSnoozeEarlyMs) / 1000);
    std::printf("peak lists: stored %d, pending %d, rows %d; heap at month starts (KiB):", figures.peakStored,
                figures.peakPending, figures.peakRows);
    for (const long long bytes : figures.heapAtMonthStart)
        std::printf(" %lld", bytes / 1024);
    std::printf("\n");
    for (const std::string& note : figures.notes)
        std::printf("  %s\n", note.c_str());
}

// Found by the year: the clock is set back from 00:20 to 23:20 of the day before; an alarm set then for 00:10
// of the date already loaded, and a snooze that lands on that date, must ring once the clock gets there.
TEST(AlarmYearSimulationTest, AlarmsSetForTheLoadedDateWhileTheClockStandsBeforeItRing)
{
    test::TickRig rig(test::at(2026, 8, 20, 0, 20));
    rig.clock.set(test::at(2026, 8, 19, 23, 20));
    rig.tick.run();
    rig.store.addAlarm("11:40pm", "08/19/2026", "Snoozed", "", amMessageOnly);
    rig.store.addAlarm("12:10am", "08/20/2026", "Ten past", "", amMessageOnly);
    rig.clock.set(test::at(2026, 8, 19, 23, 40));
    rig.host.answer = [](const std::string&) { return -30; };
    rig.tick.run();
    rig.host.answer = [](const std::string&) { return 1; };
    for (int second = 0; second < 45 * 60; ++second) {
        rig.clock.advanceSeconds(1);
        rig.tick.run();
    }
    EXPECT_EQ(rig.host.messages, (std::vector<std::string>{"Snoozed", "Ten past", "Snoozed"}));
    EXPECT_EQ(rig.store.baseAlarmList().count(), 0);
}

TEST(AlarmYearSimulationTest, AYearInBerlinRingsEveryAlarmOnceNeverEarlyWithFileAndMemoryInStep)
{
    test::ScopedTimeZone berlin("Europe/Berlin");
    // Without the zone's rules the year would pass without a daylight-saving change.
    ASSERT_EQ(test::utcOffsetSeconds(year::utcOfLocal(2026, 1, 15, 12, 0, 0)), 3600);
    ASSERT_EQ(test::utcOffsetSeconds(year::utcOfLocal(2026, 7, 15, 12, 0, 0)), 7200);

    year::YearSimulation simulation(20260101);
    const year::YearPlan& plan = simulation.plan();
    ASSERT_EQ(test::utcOffsetSeconds(plan.springChangeUtc - 1), 3600);
    ASSERT_EQ(test::utcOffsetSeconds(plan.springChangeUtc), 7200);
    ASSERT_EQ(test::utcOffsetSeconds(plan.autumnChangeUtc - 1), 7200);
    ASSERT_EQ(test::utcOffsetSeconds(plan.autumnChangeUtc), 3600);

    const std::string failure = simulation.run();
    const year::YearFigures& figures = simulation.figures();
    printFigures(figures);
    ASSERT_EQ(failure, "");

    EXPECT_GE(figures.simulatedDays, 365);
    EXPECT_GT(figures.announcements, 3000);
    EXPECT_GT(figures.snoozedRings, 1000);
    for (const int answer : {1, 2, -1, -5, -10, -30, -60, -120, -240, -1440, -10080})
        EXPECT_GT(figures.answers.count(answer), 0U) << "no answer " << answer;
    EXPECT_GT(figures.answers.count(0), 0U) << "no sound-only alarm";
    EXPECT_GT(figures.suspendsOverMidnight, 10);
    EXPECT_GT(figures.missedRings, 0);
    EXPECT_GT(figures.missedTogether, 0);
    EXPECT_GT(figures.restarts, 5);
    EXPECT_GT(figures.loads.pastDays, 0);
    EXPECT_GT(figures.loads.tooLate, 0);
    EXPECT_GT(figures.loads.inGrace, 0);
    EXPECT_EQ(figures.jumpsBack, 2);
    // A snooze is cut to whole seconds, and to whole minutes once the file is read back.
    EXPECT_LT(figures.maxSnoozeEarlyMs, 60000);

    // Flat memory: the lists stay near the number of alarms the user keeps, and the heap in the second half
    // of the year is no larger than in the first, give or take the alarms held at the time.
    EXPECT_LE(figures.peakStored, 120);
    ASSERT_GE(figures.heapAtMonthStart.size(), 12U);
    const auto half = figures.heapAtMonthStart.begin() + 6;
    const long long firstHalf = *std::max_element(figures.heapAtMonthStart.begin(), half);
    const long long secondHalf = *std::max_element(half, figures.heapAtMonthStart.end());
    EXPECT_LT(secondHalf - firstHalf, 64 * 1024);
}

// Two repeating alarms through a year in Berlin: every day at 02:30, which the spring change skips and the
// autumn change repeats, and Monday to Friday at 07:00. The user answers at once, now and then with a
// snooze, and restarts the program every fortnight. Every occurrence rings exactly once, at its local time
// (the skipped one at 03:00, the first moment after it, with its sound), and the file keeps the two lines.
TEST(AlarmYearSimulationTest, RepeatingAlarmsRingEveryOccurrenceOnceThroughBothClockChanges)
{
    using namespace year;
    test::ScopedTimeZone berlin("Europe/Berlin");
    test::ZoneClock clock(utcOfLocal(2026, 1, 1, 0, 0, 0));
    test::MemoryFileSystem files;
    const std::string folder = "/home/user/klaxora";
    files.setContents(joinPath(folder, AlarmFileName), "02:30am^Alarm 1^1234567^1^01/01/2026^^1\r\n"
                                                       "07:00am^Alarm 2^23456^1^01/01/2026^^1\r\n");
    std::map<std::pair<int, long long>, std::vector<long long>> rings; // (alarm, day) -> wall times
    int snoozes = 0;
    const auto answer = [&](const std::string& message) {
        const long long wall = test::localWallMs(clock.utcMs());
        // A message told as missed has no number of its own and fails the count.
        const int number = alarmNumber(message);
        rings[{number, dayOf(wall)}].push_back(wall);
        // A snooze on every tenth day of the daily alarm, answered at its first announcement.
        if (number == 1 && dayOf(wall) % 10 == 0 && rings[{number, dayOf(wall)}].size() == 1) {
            ++snoozes;
            return -5;
        }
        return 1;
    };
    std::unique_ptr<SimulatedProgram> program;
    const long long end = utcOfLocal(2027, 1, 1, 0, 0, 0);
    long long lastRestartDay = -1;
    while (clock.utcMs() < end) {
        const long long wall = test::localWallMs(clock.utcMs());
        const long long minuteOfDay = (wall - dayOf(wall) * MsPerDay) / MsPerMinute;
        if (!program || (dayOf(wall) % 14 == 0 && dayOf(wall) != lastRestartDay && minuteOfDay == 12 * 60)) {
            program.reset();
            program = std::make_unique<SimulatedProgram>(clock, files, folder, answer);
            program->store.loadFromDisk();
            program->timer.switchOn();
            lastRestartDay = dayOf(wall);
        }
        program->tick.run();
        ASSERT_EQ(program->host.heard.error, "");
        // Seconds around the alarms and the snoozes after them, minutes otherwise.
        const bool near = (minuteOfDay >= 2 * 60 + 25 && minuteOfDay < 3 * 60 + 10) ||
                          (minuteOfDay >= 6 * 60 + 55 && minuteOfDay < 7 * 60 + 10);
        clock.advanceMs(near ? 5000 : MsPerMinute);
    }

    const auto expect = [&](int number, long long day, long long dueMinute, std::size_t count) {
        const auto found = rings.find({number, day});
        const std::size_t heard = found == rings.end() ? 0 : found->second.size();
        EXPECT_EQ(heard, count) << "Alarm " << number << " on day " << day;
        if (heard > 0) {
            const long long late = found->second.front() - (day * MsPerDay + dueMinute * MsPerMinute);
            EXPECT_TRUE(late >= 0 && late < 10000) << "Alarm " << number << " on day " << day << ": " << late;
        }
    };
    const long long springDay = dayOfCivil(2026, 3, 29);
    for (long long day = dayOfCivil(2026, 1, 1); day < dayOfCivil(2027, 1, 1); ++day) {
        expect(1, day, day == springDay ? 3 * 60 : 2 * 60 + 30, day % 10 == 0 ? 2 : 1);
        const int weekday = weekdayDigit(day);
        expect(2, day, 7 * 60, weekday >= 2 && weekday <= 6 ? 1 : 0);
    }
    EXPECT_GT(snoozes, 30);
    EXPECT_EQ(test::withoutUids(files.contents(joinPath(folder, AlarmFileName))),
              "02:30am^Alarm 1^1234567^1^01/01/2027^^1\r\n"
              "07:00am^Alarm 2^23456^1^01/01/2027^^1\r\n");
}

} // namespace
} // namespace klaxora
