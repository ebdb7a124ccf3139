// The simulated user's commands. They reach the store as the main window's commands do: edit and adjust
// add a new alarm and delete the old one by its first row, clone adds a shifted copy, and every command
// ends by writing the file, with the timer off meanwhile.
#include "engine/year_simulation.h"

#include "engine/alarm_timer.h"

#include <cmath>
#include <cstdio>

namespace klaxora::year {

namespace {

constexpr long long Second = 1000;
constexpr long long Minute = 60 * Second;
constexpr long long Hour = 60 * Minute;
constexpr int ShiftMinutes[] = {1, 5, 20, 60, 1440, 10080, -1, -5, -20, -60, -1440, -10080};

long long between(std::mt19937& random, long long low, long long high)
{
    return std::uniform_int_distribution<long long>(low, high)(random);
}

long long wallMsOf(DateTime value)
{
    return std::llround(value * static_cast<double>(MsPerDay));
}

} // namespace

void YearSimulation::runCommand()
{
    AlarmStore& store = program_->store;
    TimerOffBracket timerOff(program_->timer);
    const int ringable = model_.ringableCount();
    const int pick = static_cast<int>(random_() % 100);
    if (store.rows().empty() || ringable < 15 || (ringable <= 60 && pick < 30)) {
        addNew();
    } else if (ringable <= 60 && pick < 34) {
        addForThisMinute();
    } else {
        const int row = static_cast<int>(random_() % static_cast<unsigned>(store.rows().count()));
        const AlarmId id = store.rows()[row].object.id;
        const int index = store.findBaseAlarmForId(id);
        if (index < 0)
            return fail("a row without its stored alarm");
        const StoredAlarm& stored = store.baseAlarmList()[index];
        const ExpectedAlarm* alarm = model_.find(
            alarmNumber(stored.message), wallMsOf(stored.alarmDate + stored.alarmTime), stored.alarmMode);
        if (alarm == nullptr)
            return fail("a row for " + stored.message + ", which the model does not expect to ring");
        const ExpectedAlarm chosen = *alarm;
        if (watched_.contains(chosen.number)) {
            // The alarms kept for the notes are left as they were set.
            addNew();
        } else if (ringable > 60 || pick < 44)
            deleteAlarm(chosen, id);
        else if (pick < 60)
            editAlarm(chosen, id);
        else
            shiftAlarm(chosen, id, pick >= 82);
    }
    checkHolds("a command");
}

void YearSimulation::addAlarm(int number, long long due, int mode, bool withSeconds)
{
    const Civil date = civilOfDay(dayOf(due));
    const long long ms = due - dayOf(due) * MsPerDay;
    const long long hour12 = (ms / Hour + 11) % 12 + 1;
    char timeText[32];
    // The editor's time text has hours and minutes; an adjusted or cloned time is the long time text.
    if (withSeconds)
        std::snprintf(timeText, sizeof timeText, "%lld:%02lld:%02lld %s", hour12, ms / Minute % 60,
                      ms / Second % 60, ms / Hour < 12 ? "AM" : "PM");
    else
        std::snprintf(timeText, sizeof timeText, "%02lld:%02lld%s", hour12, ms / Minute % 60,
                      ms / Hour < 12 ? "am" : "pm");
    char dateText[16];
    std::snprintf(dateText, sizeof dateText, "%02d/%02d/%04d", date.month, date.day, date.year);
    program_->store.addAlarm(timeText, dateText, alarmMessage(number), alarmSound(number),
                             static_cast<AlarmMode>(mode));
    model_.add(ExpectedAlarm{.number = number, .due = due, .mode = mode});
}

long long YearSimulation::randomFutureDue()
{
    const int pick = static_cast<int>(random_() % 20);
    const long long ahead = pick < 11   ? between(random_, 2 * Minute, 12 * Hour)
                            : pick < 18 ? between(random_, 12 * Hour, 4 * 24 * Hour)
                                        : between(random_, 4 * 24 * Hour, 30 * 24 * Hour);
    return floorToMinute(wall() + ahead) + Minute;
}

void YearSimulation::addNew()
{
    addAlarm(nextNumber_++, randomFutureDue(), static_cast<int>(random_() % 3), false);
    program_->store.writeToDisk();
    ++figures_.commands["add"];
}

void YearSimulation::addForThisMinute()
{
    // Up to 30 seconds into a minute, an alarm for that minute is still taken and rings at once.
    const long long now = wall();
    if (now - floorToMinute(now) > GraceMs)
        return addNew();
    addAlarm(nextNumber_++, floorToMinute(now), static_cast<int>(random_() % 3), false);
    program_->store.writeToDisk();
    ++figures_.commands["add for this minute"];
}

void YearSimulation::editAlarm(const ExpectedAlarm& alarm, AlarmId id)
{
    // The editor shows hours and minutes only.
    long long due = floorToMinute(alarm.due);
    if (random_() % 2 == 0 || passed(due))
        due = randomFutureDue();
    const int number = random_() % 2 == 0 ? nextNumber_++ : alarm.number;
    const int mode = random_() % 2 == 0 ? alarm.mode : static_cast<int>(random_() % 3);
    addAlarm(number, due, mode, false);
    program_->store.deleteAlarm(firstRowWithId(id));
    model_.remove(alarm.number, alarm.due, alarm.mode);
    program_->store.writeToDisk();
    ++figures_.commands["edit"];
}

void YearSimulation::deleteAlarm(const ExpectedAlarm& alarm, AlarmId id)
{
    program_->store.deleteAlarm(firstRowWithId(id));
    model_.remove(alarm.number, alarm.due, alarm.mode);
    program_->store.writeToDisk();
    ++figures_.commands["delete"];
}

void YearSimulation::shiftAlarm(const ExpectedAlarm& alarm, AlarmId id, bool keepOld)
{
    const int minutes = ShiftMinutes[random_() % std::size(ShiftMinutes)];
    const long long due = shiftedWallMs(alarm.due, minutes);
    if (passed(due)) {
        // The command beeps and changes nothing.
        ++figures_.refusedShifts;
        return;
    }
    addAlarm(alarm.number, due, alarm.mode, true);
    if (!keepOld) {
        program_->store.deleteAlarm(firstRowWithId(id));
        model_.remove(alarm.number, alarm.due, alarm.mode);
    }
    program_->store.writeToDisk();
    ++figures_.commands[keepOld ? "clone" : "adjust"];
}

void YearSimulation::addNightAlarms(const char* night,
                                    const std::vector<std::pair<int, int>>& minutesAndAnswers, long long day)
{
    TimerOffBracket timerOff(program_->timer);
    for (const auto& [minuteOfDay, answer] : minutesAndAnswers) {
        const int number = nextNumber_++;
        char name[64];
        std::snprintf(name, sizeof name, "%s night alarm for %02d:%02d", night, minuteOfDay / 60,
                      minuteOfDay % 60);
        watched_[number] = name;
        fixedAnswers_[number] = answer;
        addAlarm(number, day * MsPerDay + minuteOfDay * Minute, amMessageOnly, false);
    }
    program_->store.writeToDisk();
    checkHolds("the night alarms");
}

int YearSimulation::firstRowWithId(AlarmId id) const
{
    const auto& rows = program_->store.rows();
    for (int i = 0; i < rows.count(); ++i) {
        if (rows[i].object.id == id)
            return i;
    }
    return -1;
}

} // namespace klaxora::year
