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

long long between(std::mt19937& random, long long low, long long high)
{
    return std::uniform_int_distribution<long long>(low, high)(random);
}

// The clock panel's "hh:mm:ssam/pm".
std::string clockPanelText(long long wallMs)
{
    const long long ms = wallMs - dayOf(wallMs) * MsPerDay;
    const long long hour = ms / Hour;
    char text[16];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld%s", (hour + 11) % 12 + 1, ms / Minute % 60,
                  ms / Second % 60, hour < 12 ? "am" : "pm");
    return text;
}

} // namespace

YearSimulation::YearSimulation(unsigned seed)
    : random_(seed), plan_(planYear(random_)), clock_(plan_.startUtc)
{
    // The file the year starts with: alarms of the coming two weeks, one of a day already past, two of
    // this morning (one a minute and twenty seconds late, one twenty seconds) and a line that is no alarm
    // at all. (Repeating alarms have a year of their own.)
    const long long now = wall();
    const long long today = dayOf(now);
    std::string text;
    const auto line = [&](int number, long long due, int mode) {
        const Civil date = civilOfDay(dayOf(due));
        const long long ms = due - dayOf(due) * MsPerDay;
        char fields[64];
        std::snprintf(fields, sizeof fields, "%02lld:%02lld%s^", (ms / Hour + 11) % 12 + 1, ms / Minute % 60,
                      ms / Hour < 12 ? "am" : "pm");
        text += fields + alarmMessage(number) + "^^3^";
        std::snprintf(fields, sizeof fields, "%02d/%02d/%04d^", date.month, date.day, date.year);
        text += fields + alarmSound(number) + "^" + std::to_string(mode) + "\r\n";
    };
    const auto expect = [&](int number, long long due, int mode) {
        line(number, due, mode);
        model_.add(ExpectedAlarm{.number = number, .due = due, .mode = mode});
    };
    for (int i = 0; i < 30; ++i)
        expect(nextNumber_++, floorToMinute(now + between(random_, 2 * Minute, 14 * 24 * Hour)),
               static_cast<int>(random_() % 3));
    expect(nextNumber_++, (today - 2) * MsPerDay + 9 * Hour, 0);
    expect(nextNumber_++, today * MsPerDay + 7 * Hour + 59 * Minute, 0);
    expect(nextNumber_++, today * MsPerDay + 8 * Hour, 0);
    text += "not an alarm^^^3^\r\n";
    files_.setContents(joinPath(Folder, AlarmFileName), text);
}

YearSimulation::~YearSimulation() = default;

std::string YearSimulation::run()
{
    const long long firstDay = dayOf(wall());
    startProgram();
    while (failure_.empty() && clock_.utcMs() < plan_.endUtc) {
        tick();
        if (const int month = civilOfDay(dayOf(wall())).month; month != lastMonth_ && failure_.empty()) {
            figures_.heapAtMonthStart.push_back(test::liveHeapBytes());
            lastMonth_ = month;
        }
        runPlannedEvents();
        clock_.advanceMs(nextStepMs());
    }
    // Whatever fell due in the last steps is announced by the ticks that follow.
    for (int i = 0; failure_.empty() && i < 5000 && model_.anyDue(wall()); ++i) {
        tick();
        clock_.advanceMs(Second);
    }
    if (failure_.empty() && model_.anyDue(wall()))
        fail("alarms that fell due were never announced");
    figures_.simulatedDays = static_cast<int>(dayOf(wall()) - firstDay);
    return failure_;
}

void YearSimulation::startProgram()
{
    clockBeforeLoadedDate_ = false;
    lastTickWall_ = lastTickUtc_ = -1;
    program_ = std::make_unique<SimulatedProgram>(
        clock_, files_, Folder, [this](const std::string& message) { return answer(message); });
    const long long now = wall();
    program_->store.loadFromDisk();
    const LoadOutcome outcome = model_.startUpLoad(now);
    figures_.loads.pastDays += outcome.pastDays;
    figures_.loads.tooLate += outcome.tooLate;
    figures_.loads.inGrace += outcome.inGrace;
    program_->timer.switchOn();
    checkHolds("the start-up load");
}

void YearSimulation::tick()
{
    if (!failure_.empty())
        return;
    SimulatedProgram& program = *program_;
    const long long wallBefore = wall();
    if (std::llround(clock_.now() * static_cast<double>(MsPerDay)) != wallBefore)
        return fail("the program's clock does not read the local time the zone's offset gives");
    const bool dueBefore = model_.anyDue(wallBefore);
    const auto loadedBefore = static_cast<long long>(program.store.loadedDate());
    const int readsBefore = program.files.reads;
    const int writesBefore = files_.completedWrites;
    const int rowsBefore = program.store.rows().count();
    const int pendingBefore = program.store.todayList().count();
    // Set back over midnight, the clock must bring a reload when it comes back to the loaded date.
    clockBeforeLoadedDate_ = clockBeforeLoadedDate_ || dayOf(wallBefore) < loadedBefore;
    // Every change the simulation makes is checked at once, so the last check left the lists as they are.
    storedBefore_.swap(storedNow_);

    program.host.heard.reset();
    program.tick.run();
    ++figures_.ticks;

    const Heard& heard = program.host.heard;
    const long long wallAfter = wall();
    const auto loadedAfter = static_cast<long long>(program.store.loadedDate());
    const bool reloaded = program.files.reads != readsBefore;
    const bool reloadDue =
        dayOf(wallAfter) > loadedBefore || (clockBeforeLoadedDate_ && dayOf(wallAfter) == loadedBefore);
    if (!program.timer.on)
        return fail("the timer stayed off after a tick");
    if (!heard.error.empty())
        return fail("the tick showed the error \"" + heard.error + "\"");
    if (heard.clockText != clockPanelText(wallAfter))
        return fail("the clock panel reads " + heard.clockText);
    if (heard.messages > 1 || heard.sounds > 1)
        return fail("more than one announcement in one tick");
    collectStored(program.store, storedNow_);
    const bool announced = heard.messages + heard.sounds + heard.missedTogether > 0;
    if (heard.missedTogether > 0)
        checkMissedTogether(heard);
    else if (announced)
        checkAnnouncement(heard, reloaded ? loadedBefore : -1);
    if (!failure_.empty())
        return;
    lastTickWall_ = wallAfter;
    lastTickUtc_ = clock_.utcMs();
    if (reloaded) {
        if (!reloadDue || loadedAfter != dayOf(wallAfter))
            return fail("reloaded for the date " + wallText(loadedAfter * MsPerDay));
        clockBeforeLoadedDate_ = false;
        ++figures_.dateChangeReloads;
        model_.dateChangeReload();
    }
    if (dueBefore && !announced && !reloaded)
        return fail("a tick announced nothing though an alarm was due (the first due was set for " +
                    wallText(model_.nextDueAfter(-1)) + ")");
    if (reloadDue && !reloaded && !model_.anyDue(wallAfter))
        return fail("a new date, nothing due, and still no reload");
    // A tick that changed nothing leaves the lists, the file and the model as the last check found them.
    if (announced || reloaded || storedNow_ != storedBefore_ || files_.completedWrites != writesBefore ||
        program.store.rows().count() != rowsBefore || program.store.todayList().count() != pendingBefore)
        checkHolds("a tick", true);
}

void YearSimulation::checkHolds(const char* after, bool collected)
{
    if (!failure_.empty())
        return;
    const AlarmStore& store = program_->store;
    if (!collected)
        collectStored(store, storedNow_);
    collectExpected(model_, expected_);
    if (storedNow_ != expected_) {
        std::vector<Held> extra;
        std::vector<Held> missing;
        std::set_difference(storedNow_.begin(), storedNow_.end(), expected_.begin(), expected_.end(),
                            std::back_inserter(extra));
        std::set_difference(expected_.begin(), expected_.end(), storedNow_.begin(), storedNow_.end(),
                            std::back_inserter(missing));
        std::string text = std::string("after ") + after + " memory does not hold what the model expects:";
        for (const Held& held : extra)
            text += " unexpected " + alarmMessage(held.number) + " at " + wallText(held.due) + ";";
        for (const Held& held : missing)
            text += " missing " + alarmMessage(held.number) + " at " + wallText(held.due) + ";";
        return fail(text);
    }
    if (files_.completedWrites != fileWritesSeen_) {
        fileWritesSeen_ = files_.completedWrites;
        if (const std::string error = readAlarmFile(files_.contents(store.alarmFilePath()), fileLines_);
            !error.empty())
            return fail(std::string("after ") + after + " the alarm file is damaged: " + error);
    }
    if (const std::string error = compareFileWithMemory(fileLines_, store); !error.empty())
        return fail(std::string("after ") + after + " the alarm file and memory differ: " + error);
    if (const std::string error = checkListShape(store); !error.empty())
        return fail(std::string("after ") + after + ": " + error);
    figures_.peakStored = std::max(figures_.peakStored, store.baseAlarmList().count());
    figures_.peakPending = std::max(figures_.peakPending, store.todayList().count());
    figures_.peakRows = std::max(figures_.peakRows, store.rows().count());
}

int YearSimulation::answer(const std::string& message)
{
    static constexpr int Answers[] = {1, 2, -1, -5, -10, -30, -60, -120, -240, -1440, -10080};
    const int number = alarmNumber(message);
    int answer = Answers[random_() % std::size(Answers)];
    long long delay = between(random_, 0, 90 * Second);
    if (const auto fixed = fixedAnswers_.find(number); fixed != fixedAnswers_.end()) {
        answer = fixed->second;
        delay = 5 * Second;
        fixedAnswers_.erase(fixed);
    } else if (random_() % 20 == 0 && !nearClockChange()) {
        delay = between(random_, 90 * Second, 15 * Minute); // the user was away from the desk
    }
    clock_.advanceMs(delay);
    return answer;
}

long long YearSimulation::wall() const
{
    return test::localWallMs(clock_.utcMs());
}

bool YearSimulation::nearClockChange() const
{
    const long long utc = clock_.utcMs();
    return std::abs(utc - plan_.springChangeUtc) < 3 * Hour ||
           std::abs(utc - plan_.autumnChangeUtc) < 3 * Hour;
}

bool YearSimulation::passed(long long due) const
{
    const long long now = wall();
    return dayOf(due) < dayOf(now) || (dayOf(due) == dayOf(now) && now - due > GraceMs);
}

void YearSimulation::note(const std::string& text)
{
    if (figures_.notes.size() < 60)
        figures_.notes.push_back(text);
}

void YearSimulation::fail(const std::string& text)
{
    if (failure_.empty())
        failure_ = wallText(wall()) + ": " + text;
}

} // namespace klaxora::year
