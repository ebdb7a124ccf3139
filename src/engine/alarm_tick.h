// The once-a-second tick: announces at most one due alarm, carries out the user's answer (finished, or
// back in m minutes), takes the announced alarm out of the lists, refreshes the clock text and reloads
// the alarms when the date has moved on. Free of any GUI library; the window side is the host.
#pragma once

#include "engine/alarm_timer.h"
#include "store/alarm_records.h"
#include "store/alarm_store.h"
#include "store/clock.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace klaxora {

// What the tick needs of the window that hosts it.
class AlarmTickHost {
public:
    virtual ~AlarmTickHost() = default;
    // Shows the notification dialog modally with the message; returns its modal result (1 delete,
    // 2 closed by the window system, -m back in m minutes, 0 when its loop was ended without an answer).
    virtual int showAlarmMessage(const std::string& message) = 0;
    // Shows many missed alarms in one window, a line each; true when the user chose to delete them all.
    virtual bool showMissedAlarms(const std::vector<std::string>& lines) = 0;
    // Plays the sound file asynchronously (nothing when alarm sounds are switched off).
    virtual void playSoundNow(const std::string& waveFile) = 0;
    virtual void processPendingEvents() = 0;
    virtual void showClockText(const std::string& text) = 0;
    virtual void repaintAlarmList() = 0;
    // The application's standard error box.
    virtual void showError(const std::string& text) = 0;
};

class AlarmTick {
public:
    // All four must outlive the tick.
    AlarmTick(AlarmStore& store, const Clock& clock, AlarmTimer& timer, AlarmTickHost& host);

    // One tick. A failing step (a write of the alarm file, a reload, an alarm that cannot be added) does
    // not end the tick: the other steps still run, the timer comes on again, and the error is shown
    // once at the end, with the timer on.
    void run();

    // "hh:mm:ssam/pm": 02:05:09pm at 14:05:09.
    static std::string clockText(DateTime now, const FormatSettings& settings);
    // The line above the message of an alarm told late: "Missed: due at 11:59 PM on Wednesday 6/10/2026",
    // from `text` with the time for %1 and the date for %2.
    static std::string missedLine(DateTime due, const FormatSettings& user, std::string_view text);
    // Puts the texts it shows (the missed line, errors) into the user's language.
    void setTranslate(Translate translate) { translate_ = std::move(translate); }

    // An alarm told later than this after its time is told as missed, without its sound.
    static constexpr DateTime MissedQuietAfter = 10.0 / 1440.0;
    // More missed alarms than this at one start or load are told together in one window.
    static constexpr std::size_t MissedToldOneByOne = 3;

private:
    static constexpr AlarmId NoAlarm = -1;

    // The tick's steps, with the timer off.
    void runSteps();
    // False when the dialog was ended without an answer; the alarm is then left alone.
    bool announce(const PendingAlarm& alarm, DateTime due);
    void snooze(const PendingAlarm& alarm, int minutes);
    void sweep(AlarmId firedId);
    void reloadOnNewDate();
    // After the lists were rebuilt for today.
    void takeNewLists();
    // Passed without a pending entry: the program was not running at its time, or the clock jumped it.
    bool isMissed(const StoredAlarm& alarm, DateTime now) const;
    // Gathers the missed alarms; returns true when there were so many that they were told together.
    bool queueMissedAlarms(DateTime now);
    void tellMissedTogether(const std::vector<AlarmId>& missed);
    void saveBehindFile();
    int firstDueEntry(DateTime now);
    DateTime earliestDue(DateTime now) const;
    bool isDue(const PendingAlarm& entry, DateTime now) const;
    DateTime dueMoment(const PendingAlarm& entry, DateTime now) const;
    int rowForId(AlarmId id) const;
    // Runs one step; an error is kept to be shown at the end of the tick, unless the step is a retry of
    // one whose error has been shown already. Returns whether the step succeeded.
    bool guarded(const std::function<void()>& step, bool showError = true);

    AlarmStore& store_;
    const Clock& clock_;
    AlarmTimer& timer_;
    AlarmTickHost& host_;

    // When the last tick ended, on the wall clock and in universal time: to tell a wall clock that jumped
    // over a due moment (the hour skipped in spring) from a computer that was away.
    std::optional<DateTime> lastTickWall_;
    DateTime lastTickUniversal_ = 0;
    // Stored alarms whose time passed without a pending entry (the program was not running, or the clock
    // jumped over midnight), oldest first, told one per tick; gathered at the first tick and after a load.
    std::vector<AlarmId> missedQueue_;
    bool missedToQueue_ = true;
    // The clock has stood before that date since the last load.
    bool clockBeforeLoadedDate_ = false;
    std::optional<UserText> tickError_;
    Translate translate_ = untranslated;
    // The earliest moment an entry of TodayList falls due, as of the store's change count: an idle
    // tick compares the clock with it instead of walking the list.
    std::uint64_t dueScanChangeCount_ = 0;
    DateTime earliestDue_ = 0;
};

} // namespace klaxora
