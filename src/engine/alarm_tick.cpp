#include "engine/alarm_tick.h"

#include "store/date_time_text.h"
#include "store/text_helpers.h"

#include <algorithm>
#include <exception>
#include <limits>
#include <utility>

namespace klaxora {

AlarmTick::AlarmTick(AlarmStore& store, const Clock& clock, AlarmTimer& timer, AlarmTickHost& host)
    : store_(store), clock_(clock), timer_(timer), host_(host), lastSeenOnLoadedDate_(clock.Now())
{
}

std::string AlarmTick::ClockText(TDateTime now, const FormatSettings& settings)
{
    return FormatDateTime("hh:mm:ssam/pm", now, settings);
}

void AlarmTick::run()
{
    RunSteps();
    // Told with the timer on again: the box waits for the user, overnight say, while alarms keep ringing.
    if (std::optional<std::string> error = std::exchange(tickError_, std::nullopt)) {
        host_.ShowError(*error);
    }
}

void AlarmTick::RunSteps()
{
    // No further tick may start while this one waits in the dialog or lets events through.
    TimerOffBracket timerOff(timer_);
    tickError_.reset();

    SaveBehindFile();
    if (!missedAcrossMidnight_.empty()) {
        const TAlarm missed = missedAcrossMidnight_.front();
        missedAcrossMidnight_.erase(missedAcrossMidnight_.begin());
        // It never had a pending entry or a row, so there is nothing to sweep.
        Announce(missed);
    } else if (const int index = FirstDueEntry(clock_.Now()); index >= 0) {
        // A copy: the lists may change while the dialog's event loop runs.
        const TAlarm due = store_.TodayList()[index];
        if (Announce(due)) {
            Sweep(due.Id);
        }
    }
    host_.RepaintAlarmList();
    host_.ShowClockText(ClockText(clock_.Now(), store_.Formats().Storage()));
    ReloadOnNewDate();
    host_.ProcessPendingEvents();
}

bool AlarmTick::Announce(const TAlarm& alarm)
{
    if (alarm.AlarmMode == amMessageAndSound || alarm.AlarmMode == amSoundOnly) {
        host_.PlaySoundNow(alarm.WaveFile);
    }
    int result = 0;
    if (alarm.AlarmMode == amMessageAndSound || alarm.AlarmMode == amMessageOnly) {
        result = host_.ShowAlarmMessage(alarm.Message);
        // No button gives 0: the dialog was ended without an answer (the program is being ended, at a
        // log-out say). The alarm stays as it is rather than being taken for done.
        if (result == 0) {
            return false;
        }
    }
    if (result < 0) {
        Snooze(alarm, -result);
    }
    return true;
}

void AlarmTick::Snooze(const TAlarm& alarm, int minutes)
{
    // Counted from the moment of the answer, not from the alarm's time. Time and date come from the one
    // value, so that a snooze ending at midnight cannot get the new time with the old date.
    const TDateTime comesBack = clock_.Now() + MinutesToDays(minutes);
    const FormatSettings& storage = store_.Formats().Storage();
    const std::string timeText = TimeToStr(comesBack, storage);
    const std::string dateText = FormatDateTime("mm/dd/yyyy", comesBack, storage);
    if (Guarded(
            [&] { store_.AddAlarm(timeText, dateText, alarm.Message, alarm.WaveFile, alarm.AlarmMode); })) {
        Guarded([this] { store_.WriteToDisk(); });
    }
}

void AlarmTick::Sweep(AlarmId firedId)
{
    // Only the announced entry goes; others that are due stay and are announced by the next ticks.
    if (const int entry = store_.FindAlarmForId(firedId); entry >= 0) {
        store_.RemoveTodayEntry(entry);
    }
    if (const int row = RowForId(firedId); row >= 0) {
        Guarded([this, row] { store_.DeleteAlarmJustDone(row); });
        host_.ProcessPendingEvents();
    }
}

void AlarmTick::ReloadOnNewDate()
{
    const TDateTime now = clock_.Now();
    const TDateTime today = DateOf(now);
    // The file could not be read (at a reload, or when the program started): it is read again every
    // tick until it can be.
    const bool unread = store_.AlarmFileUnread();
    if (today < store_.LoadedDate()) {
        // Set back over midnight: alarms set meanwhile for the loaded date are not pending (their date is
        // still to come), so the lists are read again once the clock is back on that date.
        clockBeforeLoadedDate_ = true;
    }
    if (today <= store_.LoadedDate() && !unread) {
        lastSeenOnLoadedDate_ = now;
    }
    // A clock set back does not reload; coming back to the loaded date does.
    const bool backOnLoadedDate = today == store_.LoadedDate() && clockBeforeLoadedDate_;
    if (today <= store_.LoadedDate() && !backOnLoadedDate && !unread) {
        return;
    }
    // What fell due before midnight is announced first, one per tick; the reload would drop it.
    if (!missedAcrossMidnight_.empty() || FirstDueEntry(now) >= 0) {
        return;
    }
    if (store_.FileBehind() && !unread) {
        // The file lacks changes that only memory holds, and reading it would lose them. The save is
        // tried again, and its failure told again, once a day; meanwhile the day's alarms come from memory.
        if (!Guarded([this] { store_.WriteToDisk(); })) {
            store_.ReloadFromMemory();
            TakeNewLists(now);
            return;
        }
    }
    // A load whose rewrite failed has read the file all the same.
    Guarded([this] { store_.LoadFromDisk(); }, !unread);
    if (!store_.AlarmFileUnread()) {
        TakeNewLists(now);
    }
}

void AlarmTick::TakeNewLists(TDateTime now)
{
    clockBeforeLoadedDate_ = false;
    QueueAlarmsMissedAcrossMidnight(lastSeenOnLoadedDate_, now);
    lastSeenOnLoadedDate_ = now;
}

void AlarmTick::QueueAlarmsMissedAcrossMidnight(TDateTime since, TDateTime now)
{
    const TDateTime today = DateOf(now);
    const auto& stored = store_.BaseAlarmList();
    for (int i = 0; i < stored.Count(); ++i) {
        const TBaseAlarm& alarm = stored[i];
        const TDateTime due = alarm.AlarmDate + alarm.AlarmTime;
        if (alarm.AlarmDate == today && due > since && due <= now && store_.FindAlarmForId(alarm.Id) < 0) {
            missedAcrossMidnight_.emplace_back(alarm.AlarmTime, alarm.Message, alarm.WaveFile, alarm.Id,
                                               alarm.AlarmMode);
        }
    }
}

void AlarmTick::SaveBehindFile()
{
    // Told once when it failed (by the tick or the command that made the change), retried every tick.
    if (store_.FileBehind()) {
        Guarded([this] { store_.WriteToDisk(); }, false);
    }
}

int AlarmTick::FirstDueEntry(TDateTime now)
{
    // Called every second; while nothing changed and nothing is due this is one comparison.
    if (dueScanChangeCount_ != store_.ChangeCount() || earliestDue_ == 0) {
        earliestDue_ = EarliestDue(now);
        dueScanChangeCount_ = store_.ChangeCount();
    }
    if (now < earliestDue_) {
        return -1;
    }
    const auto& pending = store_.TodayList();
    for (int i = 0; i < pending.Count(); ++i) {
        if (IsDue(pending[i], now)) {
            return i;
        }
    }
    return -1;
}

bool AlarmTick::IsDue(const TAlarm& entry, TDateTime now) const
{
    return DueMoment(entry, now) <= now;
}

TDateTime AlarmTick::DueMoment(const TAlarm& entry, TDateTime now) const
{
    // The entry's date is that of its stored definition: today as a rule, but yesterday until the
    // reload after midnight, and a day still to come after the clock was set back.
    const int stored = store_.FindBaseAlarmForId(entry.Id);
    if (stored < 0) {
        return DateOf(now) + entry.AlarmTime;
    }
    return store_.BaseAlarmList()[stored].AlarmDate + entry.AlarmTime;
}

TDateTime AlarmTick::EarliestDue(TDateTime now) const
{
    const auto& pending = store_.TodayList();
    // With no stored definition the due moment moves with the date: such an entry is looked at
    // every tick (0 is never later than the clock).
    TDateTime earliest = std::numeric_limits<TDateTime>::max();
    for (int i = 0; i < pending.Count(); ++i) {
        if (store_.FindBaseAlarmForId(pending[i].Id) < 0) {
            return 0;
        }
        earliest = std::min(earliest, DueMoment(pending[i], now));
    }
    return earliest;
}

int AlarmTick::RowForId(AlarmId id) const
{
    const auto& rows = store_.Rows();
    for (int i = rows.Count() - 1; i >= 0; --i) {
        if (rows[i].Object.Id == id) {
            return i;
        }
    }
    return -1;
}

bool AlarmTick::Guarded(const std::function<void()>& step, bool showError)
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
