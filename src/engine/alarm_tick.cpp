#include "engine/alarm_tick.h"

#include "store/date_time_text.h"
#include "store/text_helpers.h"

#include <algorithm>
#include <exception>
#include <limits>
#include <utility>

namespace klaxora {

AlarmTick::AlarmTick(AlarmStore& store, const Clock& clock, AlarmTimer& timer, AlarmTickHost& host)
    : store_(store), clock_(clock), timer_(timer), host_(host), lastSeenOnLoadedDate_(clock.now())
{
}

std::string AlarmTick::clockText(DateTime now, const FormatSettings& settings)
{
    return formatDateTime("hh:mm:ssam/pm", now, settings);
}

void AlarmTick::run()
{
    runSteps();
    // Told with the timer on again: the box waits for the user, overnight say, while alarms keep ringing.
    if (std::optional<std::string> error = std::exchange(tickError_, std::nullopt)) {
        host_.showError(*error);
    }
}

void AlarmTick::runSteps()
{
    // No further tick may start while this one waits in the dialog or lets events through.
    TimerOffBracket timerOff(timer_);
    tickError_.reset();

    saveBehindFile();
    if (!missedAcrossMidnight_.empty()) {
        const PendingAlarm missed = missedAcrossMidnight_.front();
        missedAcrossMidnight_.erase(missedAcrossMidnight_.begin());
        // It never had a pending entry or a row, so there is nothing to sweep.
        announce(missed);
    } else if (const int index = firstDueEntry(clock_.now()); index >= 0) {
        // A copy: the lists may change while the dialog's event loop runs.
        const PendingAlarm due = store_.todayList()[index];
        if (announce(due)) {
            sweep(due.id);
        }
    }
    host_.repaintAlarmList();
    host_.showClockText(clockText(clock_.now(), store_.formats().storage()));
    reloadOnNewDate();
    host_.processPendingEvents();
}

bool AlarmTick::announce(const PendingAlarm& alarm)
{
    if (alarm.alarmMode == amMessageAndSound || alarm.alarmMode == amSoundOnly) {
        host_.playSoundNow(alarm.waveFile);
    }
    int result = 0;
    if (alarm.alarmMode == amMessageAndSound || alarm.alarmMode == amMessageOnly) {
        result = host_.showAlarmMessage(alarm.message);
        // No button gives 0: the dialog was ended without an answer (the program is being ended, at a
        // log-out say). The alarm stays as it is rather than being taken for done.
        if (result == 0) {
            return false;
        }
    }
    if (result < 0) {
        snooze(alarm, -result);
    }
    return true;
}

void AlarmTick::snooze(const PendingAlarm& alarm, int minutes)
{
    // Counted from the moment of the answer, not from the alarm's time. Time and date come from the one
    // value, so that a snooze ending at midnight cannot get the new time with the old date.
    const DateTime comesBack = clock_.now() + minutesToDays(minutes);
    const FormatSettings& storage = store_.formats().storage();
    const std::string timeText = timeToStr(comesBack, storage);
    const std::string dateText = formatDateTime("mm/dd/yyyy", comesBack, storage);
    if (guarded(
            [&] { store_.addAlarm(timeText, dateText, alarm.message, alarm.waveFile, alarm.alarmMode); })) {
        guarded([this] { store_.writeToDisk(); });
    }
}

void AlarmTick::sweep(AlarmId firedId)
{
    // Only the announced entry goes; others that are due stay and are announced by the next ticks.
    if (const int entry = store_.findAlarmForId(firedId); entry >= 0) {
        store_.removeTodayEntry(entry);
    }
    if (const int row = rowForId(firedId); row >= 0) {
        guarded([this, row] { store_.deleteAlarmJustDone(row); });
        host_.processPendingEvents();
    }
}

void AlarmTick::reloadOnNewDate()
{
    const DateTime now = clock_.now();
    const DateTime today = dateOf(now);
    // The file could not be read (at a reload, or when the program started): it is read again every
    // tick until it can be.
    const bool unread = store_.alarmFileUnread();
    if (today < store_.loadedDate()) {
        // Set back over midnight: alarms set meanwhile for the loaded date are not pending (their date is
        // still to come), so the lists are read again once the clock is back on that date.
        clockBeforeLoadedDate_ = true;
    }
    if (today <= store_.loadedDate() && !unread) {
        lastSeenOnLoadedDate_ = now;
    }
    // A clock set back does not reload; coming back to the loaded date does.
    const bool backOnLoadedDate = today == store_.loadedDate() && clockBeforeLoadedDate_;
    if (today <= store_.loadedDate() && !backOnLoadedDate && !unread) {
        return;
    }
    // What fell due before midnight is announced first, one per tick; the reload would drop it.
    if (!missedAcrossMidnight_.empty() || firstDueEntry(now) >= 0) {
        return;
    }
    if (store_.fileBehind() && !unread) {
        // The file lacks changes that only memory holds, and reading it would lose them. The save is
        // tried again, and its failure told again, once a day; meanwhile the day's alarms come from memory.
        if (!guarded([this] { store_.writeToDisk(); })) {
            store_.reloadFromMemory();
            takeNewLists(now);
            return;
        }
    }
    // A load whose rewrite failed has read the file all the same.
    guarded([this] { store_.loadFromDisk(); }, !unread);
    if (!store_.alarmFileUnread()) {
        takeNewLists(now);
    }
}

void AlarmTick::takeNewLists(DateTime now)
{
    clockBeforeLoadedDate_ = false;
    queueAlarmsMissedAcrossMidnight(lastSeenOnLoadedDate_, now);
    lastSeenOnLoadedDate_ = now;
}

void AlarmTick::queueAlarmsMissedAcrossMidnight(DateTime since, DateTime now)
{
    const DateTime today = dateOf(now);
    const auto& stored = store_.baseAlarmList();
    for (int i = 0; i < stored.count(); ++i) {
        const StoredAlarm& alarm = stored[i];
        const DateTime due = alarm.alarmDate + alarm.alarmTime;
        if (alarm.alarmDate == today && due > since && due <= now && store_.findAlarmForId(alarm.id) < 0) {
            missedAcrossMidnight_.emplace_back(alarm.alarmTime, alarm.message, alarm.waveFile, alarm.id,
                                               alarm.alarmMode);
        }
    }
}

void AlarmTick::saveBehindFile()
{
    // Told once when it failed (by the tick or the command that made the change), retried every tick.
    if (store_.fileBehind()) {
        guarded([this] { store_.writeToDisk(); }, false);
    }
}

int AlarmTick::firstDueEntry(DateTime now)
{
    // Called every second; while nothing changed and nothing is due this is one comparison.
    if (dueScanChangeCount_ != store_.changeCount() || earliestDue_ == 0) {
        earliestDue_ = earliestDue(now);
        dueScanChangeCount_ = store_.changeCount();
    }
    if (now < earliestDue_) {
        return -1;
    }
    const auto& pending = store_.todayList();
    for (int i = 0; i < pending.count(); ++i) {
        if (isDue(pending[i], now)) {
            return i;
        }
    }
    return -1;
}

bool AlarmTick::isDue(const PendingAlarm& entry, DateTime now) const
{
    return dueMoment(entry, now) <= now;
}

DateTime AlarmTick::dueMoment(const PendingAlarm& entry, DateTime now) const
{
    // The entry's date is that of its stored definition: today as a rule, but yesterday until the
    // reload after midnight, and a day still to come after the clock was set back.
    const int stored = store_.findBaseAlarmForId(entry.id);
    if (stored < 0) {
        return dateOf(now) + entry.alarmTime;
    }
    return store_.baseAlarmList()[stored].alarmDate + entry.alarmTime;
}

DateTime AlarmTick::earliestDue(DateTime now) const
{
    const auto& pending = store_.todayList();
    // With no stored definition the due moment moves with the date: such an entry is looked at
    // every tick (0 is never later than the clock).
    DateTime earliest = std::numeric_limits<DateTime>::max();
    for (int i = 0; i < pending.count(); ++i) {
        if (store_.findBaseAlarmForId(pending[i].id) < 0) {
            return 0;
        }
        earliest = std::min(earliest, dueMoment(pending[i], now));
    }
    return earliest;
}

int AlarmTick::rowForId(AlarmId id) const
{
    const auto& rows = store_.rows();
    for (int i = rows.count() - 1; i >= 0; --i) {
        if (rows[i].object.id == id) {
            return i;
        }
    }
    return -1;
}

bool AlarmTick::guarded(const std::function<void()>& step, bool showError)
{
    try {
        step();
        return true;
    } catch (const std::exception& error) {
        if (showError && !tickError_) {
            tickError_ = error.what();
        }
        return false;
    }
}

} // namespace klaxora
