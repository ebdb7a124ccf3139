#include "engine/alarm_tick.h"

#include "store/date_time_text.h"
#include "store/text_helpers.h"

#include <algorithm>
#include <exception>
#include <limits>
#include <utility>

namespace klaxora {

AlarmTick::AlarmTick(AlarmStore& store, const Clock& clock, AlarmTimer& timer, AlarmTickHost& host)
    : store_(store), clock_(clock), timer_(timer), host_(host)
{
}

std::string AlarmTick::missedLine(DateTime due, const FormatSettings& user, std::string_view text)
{
    std::string line(text);
    for (const auto& [mark, value] : {std::pair{"%1", formatDateTime("t", due, user)},
                                      std::pair{"%2", formatDateTime("dddd ddddd", due, user)}}) {
        if (const std::size_t at = line.find(mark); at != std::string::npos)
            line.replace(at, 2, value);
    }
    return line;
}

std::string AlarmTick::clockText(DateTime now, const FormatSettings& settings)
{
    return formatDateTime("hh:mm:ssam/pm", now, settings);
}

void AlarmTick::run()
{
    runSteps();
    // Told with the timer on again: the box waits for the user, overnight say, while alarms keep ringing.
    if (std::optional<UserText> error = std::exchange(tickError_, std::nullopt)) {
        host_.showError(error->in(translate_));
    }
}

void AlarmTick::runSteps()
{
    // No further tick may start while this one waits in the dialog or lets events through.
    TimerOffBracket timerOff(timer_);
    tickError_.reset();

    saveBehindFile();
    if (missedToQueue_ && queueMissedAlarms(clock_.now())) {
        // Told together: that was this tick's window.
    } else if (!missedQueue_.empty()) {
        const AlarmId id = missedQueue_.front();
        missedQueue_.erase(missedQueue_.begin());
        // Gone meanwhile (deleted or edited in the window), or its id taken since by an alarm still to
        // come: nothing to tell.
        const int stored = store_.findBaseAlarmForId(id);
        if (stored >= 0 && isMissed(store_.baseAlarmList()[stored], clock_.now())) {
            const StoredAlarm& alarm = store_.baseAlarmList()[stored];
            const PendingAlarm missed(alarm.alarmTime, alarm.message, alarm.waveFile, id, alarm.alarmMode);
            if (announce(missed, alarm.alarmDate + alarm.alarmTime)) {
                sweep(id);
            }
        }
    } else if (const int index = firstDueEntry(clock_.now()); index >= 0) {
        // A copy: the lists may change while the dialog's event loop runs.
        const PendingAlarm due = store_.todayList()[index];
        if (announce(due, dueMoment(due, clock_.now()))) {
            sweep(due.id);
        }
    }
    host_.repaintAlarmList();
    host_.showClockText(clockText(clock_.now(), store_.formats().storage()));
    reloadOnNewDate();
    host_.processPendingEvents();
    lastTickWall_ = clock_.now();
    lastTickUniversal_ = clock_.universalNow();
}

bool AlarmTick::announce(const PendingAlarm& alarm, DateTime due)
{
    // Long past (the computer was off or asleep), it is told as missed and without its sound; a "sound
    // only" alarm then gets the window, or it would be lost a second time. Less late, it rings as due.
    // Due since the last tick, it is no later than the time since then: the wall clock may have jumped
    // over it, as over the hour skipped in spring.
    DateTime late = clock_.now() - due;
    if (lastTickWall_ && due > *lastTickWall_)
        late = std::min(late, clock_.universalNow() - lastTickUniversal_);
    const bool quiet = late > MissedQuietAfter;
    if (alarm.alarmMode != amMessageOnly && !quiet) {
        host_.playSoundNow(alarm.waveFile);
    }
    int result = 0;
    if (alarm.alarmMode != amSoundOnly || quiet) {
        // Under the window side's context, beside the notification's other texts.
        const char* const missedWords = QT_TRANSLATE_NOOP("klaxora::AlarmEngine", "Missed: due at %1 on %2");
        result = host_.showAlarmMessage(quiet ? missedLine(due, store_.formats().user(),
                                                           translate_("klaxora::AlarmEngine", missedWords)) +
                                                    "\n" + alarm.message
                                              : alarm.message);
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
    // A snoozed alarm that rings once is the same alarm come back; a repeating alarm keeps its identity
    // for its next occurrences, and the snoozed one is an alarm of its own.
    std::string uid;
    if (const int stored = store_.findBaseAlarmForId(alarm.id);
        stored >= 0 && store_.baseAlarmList()[stored].repeatDays.empty())
        uid = store_.baseAlarmList()[stored].uid;
    if (guarded([&] {
            store_.addAlarm(timeText, dateText, alarm.message, alarm.waveFile, alarm.alarmMode, {}, uid);
        })) {
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
    // A clock set back does not reload; coming back to the loaded date does.
    const bool backOnLoadedDate = today == store_.loadedDate() && clockBeforeLoadedDate_;
    if (today <= store_.loadedDate() && !backOnLoadedDate && !unread) {
        return;
    }
    // What fell due before midnight is announced first, one per tick; the reload renumbers the alarms.
    if (!missedQueue_.empty() || firstDueEntry(now) >= 0) {
        return;
    }
    if (store_.fileBehind() && !unread) {
        // The file lacks changes that only memory holds, and reading it would lose them. The save is
        // tried again, and its failure told again, once a day; meanwhile the day's alarms come from memory.
        if (!guarded([this] { store_.writeToDisk(); })) {
            store_.reloadFromMemory();
            takeNewLists();
            return;
        }
    }
    // A load whose rewrite failed has read the file all the same.
    guarded([this] { store_.loadFromDisk(); }, !unread);
    if (!store_.alarmFileUnread()) {
        takeNewLists();
    }
}

void AlarmTick::takeNewLists()
{
    clockBeforeLoadedDate_ = false;
    // The load numbered the alarms anew.
    missedQueue_.clear();
    missedToQueue_ = true;
}

bool AlarmTick::isMissed(const StoredAlarm& alarm, DateTime now) const
{
    return alarm.alarmDate + alarm.alarmTime <= now && store_.findAlarmForId(alarm.id) < 0;
}

bool AlarmTick::queueMissedAlarms(DateTime now)
{
    missedToQueue_ = false;
    // Oldest first.
    std::vector<std::pair<DateTime, AlarmId>> missed;
    const auto& stored = store_.baseAlarmList();
    for (int i = 0; i < stored.count(); ++i) {
        const StoredAlarm& alarm = stored[i];
        if (isMissed(alarm, now)) {
            missed.emplace_back(alarm.alarmDate + alarm.alarmTime, alarm.id);
        }
    }
    std::sort(missed.begin(), missed.end());
    for (const auto& [due, id] : missed) {
        missedQueue_.push_back(id);
    }
    if (missedQueue_.size() <= MissedToldOneByOne) {
        return false;
    }
    tellMissedTogether(std::exchange(missedQueue_, {}));
    return true;
}

void AlarmTick::tellMissedTogether(const std::vector<AlarmId>& missed)
{
    const FormatSettings& user = store_.formats().user();
    std::vector<std::string> lines;
    for (const AlarmId id : missed) {
        const StoredAlarm& alarm = store_.baseAlarmList()[store_.findBaseAlarmForId(id)];
        const DateTime due = alarm.alarmDate + alarm.alarmTime;
        lines.push_back(formatDateTime("t'  'dddd ddddd'  '", due, user) + alarm.message);
    }
    // Kept, they stay in the list, marked missed, and are told again at the next start.
    if (!host_.showMissedAlarms(lines)) {
        return;
    }
    for (const AlarmId id : missed) {
        if (const int row = rowForId(id); row >= 0) {
            guarded([this, row] { store_.deleteAlarm(row); });
        }
    }
    guarded([this] { store_.writeToDisk(); });
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
            tickError_ = userTextOf(error);
        }
        return false;
    }
}

} // namespace klaxora
