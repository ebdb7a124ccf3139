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

long long Between(std::mt19937& random, long long low, long long high)
{
    return std::uniform_int_distribution<long long>(low, high)(random);
}

long long WallMsOf(TDateTime value)
{
    return std::llround(value * static_cast<double>(MsPerDay));
}

} // namespace

void YearSimulation::RunCommand()
{
    AlarmStore& store = program_->store;
    TimerOffBracket timerOff(program_->timer);
    const int ringable = model_.RingableCount();
    const int pick = static_cast<int>(random_() % 100);
    if (store.Rows().Empty() || ringable < 15 || (ringable <= 60 && pick < 30)) {
        AddNew();
    } else if (ringable <= 60 && pick < 34) {
        AddForThisMinute();
    } else {
        const int row = static_cast<int>(random_() % static_cast<unsigned>(store.Rows().Count()));
        const AlarmId id = store.Rows()[row].Object.Id;
        const int index = store.FindBaseAlarmForId(id);
        if (index < 0)
            return Fail("a row without its stored alarm");
        const TBaseAlarm& stored = store.BaseAlarmList()[index];
        const ExpectedAlarm* alarm =
            model_.Find(AlarmNumber(stored.Message), WallMsOf(stored.AlarmDate + stored.AlarmTime));
        if (alarm == nullptr || !alarm->mayRing)
            return Fail("a row for " + stored.Message + ", which the model does not expect to ring");
        const ExpectedAlarm chosen = *alarm;
        if (watched_.contains(chosen.number)) {
            // The alarms kept for the notes are left as they were set.
            AddNew();
        } else if (ringable > 60 || pick < 44)
            DeleteAlarm(chosen, id);
        else if (pick < 60)
            EditAlarm(chosen, id);
        else
            ShiftAlarm(chosen, id, pick >= 82);
    }
    CheckHolds("a command");
}

void YearSimulation::AddAlarm(int number, long long due, int mode, bool withSeconds)
{
    const Civil date = CivilOfDay(DayOf(due));
    const long long ms = due - DayOf(due) * MsPerDay;
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
    program_->store.AddAlarm(timeText, dateText, AlarmMessage(number), AlarmSound(number),
                             static_cast<TAlarmMode>(mode));
    model_.Add(ExpectedAlarm{.number = number, .due = due, .mode = mode});
}

long long YearSimulation::RandomFutureDue()
{
    const int pick = static_cast<int>(random_() % 20);
    const long long ahead = pick < 11   ? Between(random_, 2 * Minute, 12 * Hour)
                            : pick < 18 ? Between(random_, 12 * Hour, 4 * 24 * Hour)
                                        : Between(random_, 4 * 24 * Hour, 30 * 24 * Hour);
    return FloorToMinute(Wall() + ahead) + Minute;
}

void YearSimulation::AddNew()
{
    AddAlarm(nextNumber_++, RandomFutureDue(), static_cast<int>(random_() % 3), false);
    program_->store.WriteToDisk();
    ++figures_.commands["add"];
}

void YearSimulation::AddForThisMinute()
{
    // Up to 30 seconds into a minute, an alarm for that minute is still taken and rings at once.
    const long long now = Wall();
    if (now - FloorToMinute(now) > GraceMs)
        return AddNew();
    AddAlarm(nextNumber_++, FloorToMinute(now), static_cast<int>(random_() % 3), false);
    program_->store.WriteToDisk();
    ++figures_.commands["add for this minute"];
}

void YearSimulation::EditAlarm(const ExpectedAlarm& alarm, AlarmId id)
{
    // The editor shows hours and minutes only.
    long long due = FloorToMinute(alarm.due);
    if (random_() % 2 == 0 || Passed(due))
        due = RandomFutureDue();
    const int number = random_() % 2 == 0 ? nextNumber_++ : alarm.number;
    const int mode = random_() % 2 == 0 ? alarm.mode : static_cast<int>(random_() % 3);
    AddAlarm(number, due, mode, false);
    program_->store.DeleteAlarm(FirstRowWithId(id));
    model_.Remove(alarm.number, alarm.due);
    program_->store.WriteToDisk();
    ++figures_.commands["edit"];
}

void YearSimulation::DeleteAlarm(const ExpectedAlarm& alarm, AlarmId id)
{
    program_->store.DeleteAlarm(FirstRowWithId(id));
    model_.Remove(alarm.number, alarm.due);
    program_->store.WriteToDisk();
    ++figures_.commands["delete"];
}

void YearSimulation::ShiftAlarm(const ExpectedAlarm& alarm, AlarmId id, bool keepOld)
{
    const int minutes = ShiftMinutes[random_() % std::size(ShiftMinutes)];
    const long long due = ShiftedWallMs(alarm.due, minutes);
    if (Passed(due)) {
        // The command beeps and changes nothing.
        ++figures_.refusedShifts;
        return;
    }
    AddAlarm(alarm.number, due, alarm.mode, true);
    if (!keepOld) {
        program_->store.DeleteAlarm(FirstRowWithId(id));
        model_.Remove(alarm.number, alarm.due);
    }
    program_->store.WriteToDisk();
    ++figures_.commands[keepOld ? "clone" : "adjust"];
}

void YearSimulation::AddNightAlarms(const char* night,
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
        AddAlarm(number, day * MsPerDay + minuteOfDay * Minute, amMessageOnly, false);
    }
    program_->store.WriteToDisk();
    CheckHolds("the night alarms");
}

int YearSimulation::FirstRowWithId(AlarmId id) const
{
    const auto& rows = program_->store.Rows();
    for (int i = 0; i < rows.Count(); ++i) {
        if (rows[i].Object.Id == id)
            return i;
    }
    return -1;
}

} // namespace klaxora::year
