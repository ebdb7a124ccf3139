// A year of the program's life in a few seconds: the alarm store and the real tick against a wall clock
// that follows a fake UTC time through a real time zone; a user who adds, edits, adjusts, clones and deletes
// alarms and answers every announcement; a machine that sleeps, is switched off and has its clock set back.
// After every tick and command the program is held against the reference model (year_model.h).
#pragma once

#include "engine/tick_test_support.h"
#include "engine/year_checks.h"
#include "engine/year_model.h"
#include "engine/year_plan.h"
#include "engine/year_program.h"
#include "engine/zone_clock.h"

#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace klaxora::year {

struct YearFigures {
    int simulatedDays = 0;
    long long ticks = 0;
    int announcements = 0;
    int snoozedRings = 0;   // announcements of alarms that came back from a snooze
    int missedTogether = 0; // deleted from the window of many missed alarms
    int missedRings = 0;    // told as missed: more than ten minutes late (asleep, or closed)
    int lateRings = 0;      // more than two seconds after their time
    long long maxLateMs = 0;
    long long maxSnoozeEarlyMs = 0; // how much earlier than asked (on the wall clock) a snooze rang
    std::map<int, int> answers;     // modal result -> how often
    std::map<std::string, int> commands;
    int refusedShifts = 0; // adjust or clone to a time that has passed: the command only beeps
    int suspends = 0;
    int suspendsOverMidnight = 0;
    int restarts = 0;
    int restartsNearGrace = 0;
    int jumpsBack = 0;
    int skippedWhileAsleep = 0; // planned commands that fell while the machine slept or was off
    LoadOutcome loads;          // summed over the start-ups and reloads
    int dateChangeReloads = 0;
    int peakStored = 0;
    int peakPending = 0;
    int peakRows = 0;
    std::vector<long long> heapAtMonthStart;
    std::vector<std::string> notes; // what happened around the clock changes
};

class YearSimulation {
public:
    explicit YearSimulation(unsigned seed);
    ~YearSimulation();
    YearSimulation(const YearSimulation&) = delete;
    YearSimulation& operator=(const YearSimulation&) = delete;

    // Runs the year and then lets the ticks catch up with what is due; returns the first fault, or nothing.
    std::string run();
    const YearFigures& figures() const { return figures_; }
    const YearPlan& plan() const { return plan_; }

private:
    // The program's life.
    void startProgram();
    void tick();
    // "Delete All" in the window of many missed alarms took out exactly the listed ones, all due.
    void checkMissedTogether(const Heard& heard);
    // `loadedBefore`: the date the lists were loaded for, when the same tick reloaded them; otherwise -1.
    void checkAnnouncement(const Heard& heard, long long loadedBefore);
    // Memory against the model, the file against memory, and the shape of the lists. `collected`: the
    // stored alarms are in storedNow_ already.
    void checkHolds(const char* after, bool collected = false);
    int answer(const std::string& message);

    // The user's commands, through the store as the main window's commands use it.
    void runCommand();
    void addAlarm(int number, long long due, int mode, bool withSeconds);
    void addNew();
    void addForThisMinute();
    void editAlarm(const ExpectedAlarm& alarm, AlarmId id);
    void deleteAlarm(const ExpectedAlarm& alarm, AlarmId id);
    void shiftAlarm(const ExpectedAlarm& alarm, AlarmId id, bool keepOld);
    // Alarms of one daylight-saving night, message only, each with the answer its first announcement gets.
    void addNightAlarms(const char* night, const std::vector<std::pair<int, int>>& minutesAndAnswers,
                        long long day);
    long long randomFutureDue();
    int firstRowWithId(AlarmId id) const;

    // Time.
    void runPlannedEvents();
    // Planned events that fell while the machine slept or was off do not happen.
    void skipEventsUntilNow();
    void restart();
    long long nextStepMs();
    long long wall() const;
    bool passed(long long due) const;
    // Within three hours of a daylight-saving change the user answers at once and the ticks come on time,
    // so that the night alarms show what the program itself makes of the change.
    bool nearClockChange() const;
    void note(const std::string& text);
    void fail(const std::string& text);

    std::mt19937 random_;
    YearPlan plan_;
    std::size_t nextEvent_ = 0;
    test::ZoneClock clock_;
    test::MemoryFileSystem files_;
    std::unique_ptr<SimulatedProgram> program_;
    AlarmYearModel model_;
    YearFigures figures_;
    std::string failure_;

    int nextNumber_ = 1;
    int clockSetBacks_ = 0;
    bool clockBeforeLoadedDate_ = false; // since the last load
    int restartOffsetIndex_ = 0;
    std::map<int, int> fixedAnswers_;    // alarm number -> the answer its next announcement gets
    std::map<int, std::string> watched_; // alarm number -> what it is, for the notes

    // Scratch lists, kept so that the checks do not allocate on every tick.
    std::vector<Held> storedBefore_;
    std::vector<Held> storedNow_;
    std::vector<Held> expected_;
    std::vector<FileLine> fileLines_;
    int fileWritesSeen_ = -1;
    // When the running program's last tick ended; -1 before its first.
    long long lastTickWall_ = -1;
    long long lastTickUtc_ = -1;
    int lastMonth_ = 0;
};

} // namespace klaxora::year
