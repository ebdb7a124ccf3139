#include "engine/year_simulation.h"

#include "engine/live_heap.h"
#include "store/alarm_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace klaxora::year {

namespace {

constexpr long long Second = 1000;
constexpr long long Minute = 60 * Second;
constexpr long long Hour = 60 * Minute;
constexpr char Folder[] = "/home/user/klaxora";

long long Between(std::mt19937& random, long long low, long long high)
{
    return std::uniform_int_distribution<long long>(low, high)(random);
}

// The clock panel's "hh:mm:ssam/pm".
std::string ClockPanelText(long long wallMs)
{
    const long long ms = wallMs - DayOf(wallMs) * MsPerDay;
    const long long hour = ms / Hour;
    char text[16];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld%s", (hour + 11) % 12 + 1, ms / Minute % 60,
                  ms / Second % 60, hour < 12 ? "am" : "pm");
    return text;
}

} // namespace

YearSimulation::YearSimulation(unsigned seed)
    : random_(seed), plan_(PlanYear(random_)), clock_(plan_.startUtc)
{
    // The file the year starts with: alarms of the coming two weeks, one of a day already past, two of
    // this morning (one a minute and twenty seconds late, one twenty seconds), a weekday line and a line
    // that is no alarm at all.
    const long long now = Wall();
    const long long today = DayOf(now);
    std::string text;
    const auto line = [&](int number, long long due, int mode, const char* weekdays, const char* kind) {
        const Civil date = CivilOfDay(DayOf(due));
        const long long ms = due - DayOf(due) * MsPerDay;
        char fields[64];
        std::snprintf(fields, sizeof fields, "%02lld:%02lld%s^", (ms / Hour + 11) % 12 + 1, ms / Minute % 60,
                      ms / Hour < 12 ? "am" : "pm");
        text += fields + AlarmMessage(number) + "^" + weekdays + "^" + kind + "^";
        std::snprintf(fields, sizeof fields, "%02d/%02d/%04d^", date.month, date.day, date.year);
        text += fields + AlarmSound(number) + "^" + std::to_string(mode) + "\r\n";
    };
    const auto expect = [&](int number, long long due, int mode) {
        line(number, due, mode, "", "3");
        model_.Add(ExpectedAlarm{.number = number, .due = due, .mode = mode});
    };
    for (int i = 0; i < 30; ++i)
        expect(nextNumber_++, FloorToMinute(now + Between(random_, 2 * Minute, 14 * 24 * Hour)),
               static_cast<int>(random_() % 3));
    expect(nextNumber_++, (today - 2) * MsPerDay + 9 * Hour, 0);
    expect(nextNumber_++, today * MsPerDay + 7 * Hour + 59 * Minute, 0);
    expect(nextNumber_++, today * MsPerDay + 8 * Hour, 0);
    const int weekly = nextNumber_++;
    line(weekly, today * MsPerDay + 7 * Hour + 15 * Minute, 1, "1357", "0");
    for (long long day = today; day < today + 7; ++day) {
        if (std::string("1357").find(static_cast<char>('0' + WeekdayDigit(day))) != std::string::npos)
            model_.Add(
                ExpectedAlarm{.number = weekly, .due = day * MsPerDay + 7 * Hour + 15 * Minute, .mode = 1});
    }
    text += "not an alarm^^^3^\r\n";
    files_.SetContents(JoinPath(Folder, AlarmFileName), text);
}

YearSimulation::~YearSimulation() = default;

std::string YearSimulation::Run()
{
    const long long firstDay = DayOf(Wall());
    StartProgram();
    while (failure_.empty() && clock_.UtcMs() < plan_.endUtc) {
        Tick();
        if (const int month = CivilOfDay(DayOf(Wall())).month; month != lastMonth_ && failure_.empty()) {
            figures_.heapAtMonthStart.push_back(test::LiveHeapBytes());
            lastMonth_ = month;
        }
        RunPlannedEvents();
        clock_.AdvanceMs(NextStepMs());
    }
    // Whatever fell due in the last steps is announced by the ticks that follow.
    for (int i = 0; failure_.empty() && i < 5000 && model_.AnyDue(Wall()); ++i) {
        Tick();
        clock_.AdvanceMs(Second);
    }
    if (failure_.empty() && model_.AnyDue(Wall()))
        Fail("alarms that fell due were never announced");
    figures_.simulatedDays = static_cast<int>(DayOf(Wall()) - firstDay);
    return failure_;
}

void YearSimulation::StartProgram()
{
    clockBeforeLoadedDate_ = false;
    program_ = std::make_unique<SimulatedProgram>(
        clock_, files_, Folder, [this](const std::string& message) { return Answer(message); });
    const long long now = Wall();
    program_->store.LoadFromDisk();
    const LoadOutcome outcome = model_.StartUpLoad(now);
    figures_.loads.dropped += outcome.dropped;
    figures_.loads.tooLate += outcome.tooLate;
    figures_.loads.inGrace += outcome.inGrace;
    program_->timer.SwitchOn();
    CheckHolds("the start-up load");
}

void YearSimulation::Tick()
{
    if (!failure_.empty())
        return;
    SimulatedProgram& program = *program_;
    const long long wallBefore = Wall();
    if (std::llround(clock_.Now() * static_cast<double>(MsPerDay)) != wallBefore)
        return Fail("the program's clock does not read the local time the zone's offset gives");
    const bool dueBefore = model_.AnyDue(wallBefore);
    const auto loadedBefore = static_cast<long long>(program.store.LoadedDate());
    const int readsBefore = program.files.reads;
    const int writesBefore = files_.completedWrites;
    const int rowsBefore = program.store.Rows().Count();
    const int pendingBefore = program.store.TodayList().Count();
    // Set back over midnight, the clock must bring a reload when it comes back to the loaded date.
    clockBeforeLoadedDate_ = clockBeforeLoadedDate_ || DayOf(wallBefore) < loadedBefore;
    // Every change the simulation makes is checked at once, so the last check left the lists as they are.
    storedBefore_.swap(storedNow_);

    program.host.heard.Reset();
    program.tick.run();
    ++figures_.ticks;

    const Heard& heard = program.host.heard;
    const long long wallAfter = Wall();
    const auto loadedAfter = static_cast<long long>(program.store.LoadedDate());
    const bool reloaded = program.files.reads != readsBefore;
    const bool reloadDue =
        DayOf(wallAfter) > loadedBefore || (clockBeforeLoadedDate_ && DayOf(wallAfter) == loadedBefore);
    if (!program.timer.on)
        return Fail("the timer stayed off after a tick");
    if (!heard.error.empty())
        return Fail("the tick showed the error \"" + heard.error + "\"");
    if (heard.clockText != ClockPanelText(wallAfter))
        return Fail("the clock panel reads " + heard.clockText);
    if (heard.messages > 1 || heard.sounds > 1)
        return Fail("more than one announcement in one tick");
    CollectStored(program.store, storedNow_);
    const bool announced = heard.messages + heard.sounds > 0;
    if (announced)
        CheckAnnouncement(heard, reloaded ? loadedBefore : -1);
    if (!failure_.empty())
        return;
    if (reloaded) {
        if (!reloadDue || loadedAfter != DayOf(wallAfter))
            return Fail("reloaded for the date " + WallText(loadedAfter * MsPerDay));
        clockBeforeLoadedDate_ = false;
        ++figures_.dateChangeReloads;
        const LoadOutcome outcome = model_.DateChangeReload(wallAfter);
        figures_.loads.dropped += outcome.dropped;
        if (outcome.lostDue > 0)
            return Fail("the reload after midnight dropped " + std::to_string(outcome.lostDue) +
                        " alarm(s) that never rang");
    }
    if (dueBefore && !announced && !reloaded)
        return Fail("a tick announced nothing though an alarm was due (the first due was set for " +
                    WallText(model_.NextDueAfter(-1)) + ")");
    if (reloadDue && !reloaded && !model_.AnyDue(wallAfter))
        return Fail("a new date, nothing due, and still no reload");
    // A tick that changed nothing leaves the lists, the file and the model as the last check found them.
    if (announced || reloaded || storedNow_ != storedBefore_ || files_.completedWrites != writesBefore ||
        program.store.Rows().Count() != rowsBefore || program.store.TodayList().Count() != pendingBefore)
        CheckHolds("a tick", true);
}

void YearSimulation::CheckHolds(const char* after, bool collected)
{
    if (!failure_.empty())
        return;
    const AlarmStore& store = program_->store;
    if (!collected)
        CollectStored(store, storedNow_);
    CollectExpected(model_, expected_);
    if (storedNow_ != expected_) {
        std::vector<Held> extra;
        std::vector<Held> missing;
        std::set_difference(storedNow_.begin(), storedNow_.end(), expected_.begin(), expected_.end(),
                            std::back_inserter(extra));
        std::set_difference(expected_.begin(), expected_.end(), storedNow_.begin(), storedNow_.end(),
                            std::back_inserter(missing));
        std::string text = std::string("after ") + after + " memory does not hold what the model expects:";
        for (const Held& held : extra)
            text += " unexpected " + AlarmMessage(held.number) + " at " + WallText(held.due) + ";";
        for (const Held& held : missing)
            text += " missing " + AlarmMessage(held.number) + " at " + WallText(held.due) + ";";
        return Fail(text);
    }
    if (files_.completedWrites != fileWritesSeen_) {
        fileWritesSeen_ = files_.completedWrites;
        if (const std::string error = ReadAlarmFile(files_.Contents(store.AlarmFilePath()), fileLines_);
            !error.empty())
            return Fail(std::string("after ") + after + " the alarm file is damaged: " + error);
    }
    if (const std::string error = CompareFileWithMemory(fileLines_, store); !error.empty())
        return Fail(std::string("after ") + after + " the alarm file and memory differ: " + error);
    if (const std::string error = CheckListShape(store); !error.empty())
        return Fail(std::string("after ") + after + ": " + error);
    figures_.peakStored = std::max(figures_.peakStored, store.BaseAlarmList().Count());
    figures_.peakPending = std::max(figures_.peakPending, store.TodayList().Count());
    figures_.peakRows = std::max(figures_.peakRows, store.Rows().Count());
}

int YearSimulation::Answer(const std::string& message)
{
    static constexpr int Answers[] = {1, 2, -1, -5, -10, -30, -60, -120, -240, -1440, -10080};
    const int number = AlarmNumber(message);
    int answer = Answers[random_() % std::size(Answers)];
    long long delay = Between(random_, 0, 90 * Second);
    if (const auto fixed = fixedAnswers_.find(number); fixed != fixedAnswers_.end()) {
        answer = fixed->second;
        delay = 5 * Second;
        fixedAnswers_.erase(fixed);
    } else if (random_() % 20 == 0 && !NearClockChange()) {
        delay = Between(random_, 90 * Second, 15 * Minute); // the user was away from the desk
    }
    clock_.AdvanceMs(delay);
    return answer;
}

long long YearSimulation::Wall() const
{
    return test::LocalWallMs(clock_.UtcMs());
}

bool YearSimulation::NearClockChange() const
{
    const long long utc = clock_.UtcMs();
    return std::abs(utc - plan_.springChangeUtc) < 3 * Hour ||
           std::abs(utc - plan_.autumnChangeUtc) < 3 * Hour;
}

bool YearSimulation::Passed(long long due) const
{
    const long long now = Wall();
    return DayOf(due) < DayOf(now) || (DayOf(due) == DayOf(now) && now - due > GraceMs);
}

void YearSimulation::Note(const std::string& text)
{
    if (figures_.notes.size() < 60)
        figures_.notes.push_back(text);
}

void YearSimulation::Fail(const std::string& text)
{
    if (failure_.empty())
        failure_ = WallText(Wall()) + ": " + text;
}

} // namespace klaxora::year
