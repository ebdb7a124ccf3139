// The passing of the simulated year: planned events, sleep, restarts, the clock set back, and the uneven
// steps between ticks.
#include "engine/year_simulation.h"

namespace klaxora::year {

namespace {

constexpr long long Second = 1000;
constexpr long long Minute = 60 * Second;
constexpr long long Hour = 60 * Minute;

long long between(std::mt19937& random, long long low, long long high)
{
    return std::uniform_int_distribution<long long>(low, high)(random);
}

} // namespace

void YearSimulation::runPlannedEvents()
{
    while (failure_.empty() && nextEvent_ < plan_.events.size() &&
           plan_.events[nextEvent_].utc <= clock_.utcMs()) {
        const PlannedEvent event = plan_.events[nextEvent_++];
        switch (event.what) {
        case Planned::Command:
            runCommand();
            break;
        case Planned::Suspend: {
            const long long before = wall();
            clock_.advanceMs(event.lengthMs);
            ++figures_.suspends;
            figures_.suspendsOverMidnight += dayOf(wall()) != dayOf(before) ? 1 : 0;
            skipEventsUntilNow();
            break;
        }
        case Planned::Restart:
            restart();
            break;
        case Planned::JumpBack:
        case Planned::JumpBackOverMidnight: {
            const std::string from = wallText(wall());
            clock_.advanceMs(-Hour);
            ++figures_.jumpsBack;
            ++clockSetBacks_;
            note("the clock was set back from " + from + " to " + wallText(wall()));
            if (event.what == Planned::JumpBackOverMidnight) {
                // The user, seeing the date of yesterday, sets an alarm for ten past midnight of the date
                // that the program already loaded.
                const int number = nextNumber_++;
                watched_[number] = "set at " + wallText(wall()) + " after the clock was set back, for 00:10";
                addAlarm(number, (dayOf(wall()) + 1) * MsPerDay + 10 * Minute, amMessageOnly, false);
                program_->store.writeToDisk();
                checkHolds("an alarm set while the clock stood before the loaded date");
            }
            break;
        }
        case Planned::SpringNightAlarms:
            addNightAlarms("spring", {{118, -5}, {120, 1}, {150, -10}, {179, 2}, {180, 1}, {181, -1}},
                           dayOfCivil(2026, 3, 29));
            break;
        case Planned::AutumnNightAlarms:
            addNightAlarms("autumn",
                           {{119, -60}, {120, 1}, {150, -30}, {170, -10}, {179, 1}, {180, 1}, {210, 1}},
                           dayOfCivil(2026, 10, 25));
            break;
        case Planned::AddInRepeatedHour: {
            const int number = nextNumber_++;
            watched_[number] = "set at " + wallText(wall()) + " in the repeated hour, for 02:15";
            addAlarm(number, dayOf(wall()) * MsPerDay + 2 * Hour + 15 * Minute, amMessageOnly, false);
            program_->store.writeToDisk();
            checkHolds("an alarm set in the repeated hour");
            break;
        }
        }
    }
}

void YearSimulation::skipEventsUntilNow()
{
    while (nextEvent_ < plan_.events.size() && plan_.events[nextEvent_].utc <= clock_.utcMs()) {
        const Planned what = plan_.events[nextEvent_++].what;
        if (what != Planned::Command && what != Planned::Suspend && what != Planned::Restart)
            return fail("a planned clock change or night alarm fell into a time the machine slept");
        ++figures_.skippedWhileAsleep;
    }
}

void YearSimulation::restart()
{
    static constexpr long long NearGrace[] = {0,     10 * Second, 29999,       30 * Second,
                                              30001, 31 * Second, 45 * Second, 5 * Minute};
    const long long now = wall();
    program_.reset();
    ++figures_.restarts;
    long long off = 0;
    const long long next = model_.nextDueAfter(now + 2 * Minute);
    if (next >= 0 && next < now + 3 * 24 * Hour && random_() % 5 < 2) {
        // Started again just about when an alarm falls due: on either side of the 30 seconds.
        off = next + NearGrace[restartOffsetIndex_++ % std::size(NearGrace)] - now;
        ++figures_.restartsNearGrace;
    } else if (random_() % 2 == 0) {
        off = between(random_, Minute, 5 * Hour);
    } else {
        off = between(random_, 24 * Hour, 3 * 24 * Hour);
    }
    clock_.advanceMs(off);
    skipEventsUntilNow();
    startProgram();
}

long long YearSimulation::nextStepMs()
{
    const auto tickStep = [this] { return between(random_, 400, 2 * Second); };
    const long long utc = clock_.utcMs();
    const long long now = wall();
    if (model_.anyDue(now))
        return tickStep();
    if (random_() % 30 == 0 && !nearClockChange())
        return between(random_, 2 * Second, 300 * Second); // a busy machine: the tick comes late
    // Nothing can happen before the next due time, midnight, clock change or planned event: the ticks
    // up to a few seconds before it would only refresh the clock panel.
    long long target = plan_.endUtc;
    if (nextEvent_ < plan_.events.size())
        target = std::min(target, plan_.events[nextEvent_].utc);
    for (const long long change : {plan_.springChangeUtc, plan_.autumnChangeUtc}) {
        if (change > utc)
            target = std::min(target, change);
    }
    if (const long long due = model_.nextDueAfter(now); due >= 0)
        target = std::min(target, utc + (due - now));
    target = std::min(target, utc + ((dayOf(now) + 1) * MsPerDay - now));
    const long long gap = target - utc;
    return gap > 65 * Second ? gap - between(random_, 200, 60 * Second) : tickStep();
}

} // namespace klaxora::year
