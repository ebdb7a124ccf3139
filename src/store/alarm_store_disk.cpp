// The alarm store's side of "Alarms.dat": the rewrite and the load.
#include "store/alarm_file.h"
#include "store/alarm_store.h"
#include "store/atomic_file.h"
#include "store/io_error.h"
#include "store/passed_alarm_time.h"
#include "store/text_encoding.h"

#include <algorithm>
#include <cerrno>

namespace klaxora {

void AlarmStore::writeToDisk()
{
    if (fileUnread_)
        throw UnreadAlarmFileError(
            {"AlarmStore",
             QT_TRANSLATE_NOOP("AlarmStore", "The alarm file could not be read, so it is not "
                                             "overwritten; changes are saved once it has been "
                                             "read again"),
             {}});
    fileBehind_ = true;
    replaceFileAtomically(fileSystem_, alarmFilePath_, alarmLines());
    fileBehind_ = false;
    if (fileObserver_ != nullptr)
        fileObserver_->alarmFileWritten();
}

void AlarmStore::loadFromDisk()
{
    std::string contents;
    const int error = fileSystem_.readWholeFile(alarmFilePath_, contents);
    if (error != 0 && error != ENOENT) {
        // None of the file's alarms may stay, or they would be written back without the rest of it; the
        // alarms added since the first failure are all memory holds, and are kept for the file. A retry
        // on the same day leaves them as they stand.
        const bool firstFailure = !fileUnread_;
        fileUnread_ = true;
        if (firstFailure)
            rebuild({}, {});
        else if (loadedDate_ != clock_.today())
            reloadFromMemory();
        throw InOutError(error);
    }
    const bool fileFound = error == 0;
    const std::string kept = fileUnread_ ? alarmLines() : std::string();
    fileUnread_ = false;
    rebuild(contents, kept);
    if (!fileFound && kept.empty())
        return;

    fileSystem_.removeLeftoverTemporaries(alarmFilePath_);
    writeToDisk();
    showLoadToHost();
}

void AlarmStore::reloadFromMemory()
{
    rebuild({}, alarmLines());
}

void AlarmStore::rebuild(std::string_view fileLines, std::string_view keptLines)
{
    loadedDate_ = clock_.today();
    if (observer_ != nullptr)
        observer_->beginResetRows();
    clearAll();
    collectingRows_ = true;
    // Kept lines are read apart: the file's last line need not end with a line break.
    loadLines(fileLines);
    loadLines(keptLines);
    installCollectedRows();
}

std::string AlarmStore::alarmLines() const
{
    std::string lines;
    lines.reserve(static_cast<std::size_t>(baseAlarms_.count()) * 64);
    for (int i = 0; i < baseAlarms_.count(); ++i) {
        lines += formatAlarmFileLine(baseAlarms_[i]);
        lines += "\r\n";
    }
    return lines;
}

void AlarmStore::showLoadToHost()
{
    if (host_ == nullptr)
        return;
    host_->focusListIfVisible();
    if (host_->selectedRow() < 0 && !rows_.empty())
        host_->selectRow(0);
}

void AlarmStore::loadLines(std::string_view contents)
{
    const FormatSettings& storage = formats_.storage();
    const DateTime today = clock_.today();
    std::string decoded;
    for (const std::string_view line : splitAlarmFileLines(skipByteOrderMark(contents))) {
        try {
            const AlarmFileLine alarm = parseAlarmFileLine(decodeFileText(line, decoded), storage, today);
            if (alarm.repeatDays.empty())
                addConvertedAlarm(alarm.time, alarm.date, alarm.message, alarm.waveFile, alarm.mode, {},
                                  alarm.uid);
            else if (alarm.kind == RepeatingAlarmKind)
                loadRepeatingLine(alarm);
            else
                // An older file's weekday line: its reader took the days from today on.
                addConvertedAlarm(alarm.time, firstOccurrenceToCome(alarm.repeatDays, today, alarm.time),
                                  alarm.message, alarm.waveFile, alarm.mode, alarm.repeatDays, alarm.uid);
        } catch (const std::exception&) {
            // A line that cannot be used is dropped silently; the rewrite removes it from the file.
        }
    }
}

void AlarmStore::loadRepeatingLine(const AlarmFileLine& line)
{
    const RepeatDays days = line.repeatDays;
    const DateTime next = days.firstOnOrAfter(line.date);
    if (alarmTimeHasPassed(next, line.time, clock_)) {
        // A week away gives one missed alarm, not seven.
        DateTime latest = days.lastOnOrBefore(clock_.today());
        if (!alarmTimeHasPassed(latest, line.time, clock_))
            latest = days.lastOnOrBefore(latest - 1);
        // The occurrence left behind is an alarm of its own, with an identity of its own.
        addConvertedAlarm(line.time, latest, line.message, line.waveFile, line.mode);
    }
    addConvertedAlarm(line.time, firstOccurrenceToCome(days, next, line.time), line.message, line.waveFile,
                      line.mode, days, line.uid);
}

void AlarmStore::installCollectedRows()
{
    // Row by row, a new row goes before the rows with the same date and time: so among equal keys the
    // row added last stands first. The keys are sorted apart from the rows to keep the sort in cache.
    struct Key {
        DateTime date;
        DateTime time;
        std::size_t added;
    };
    std::vector<Key> keys;
    keys.reserve(collectedRows_.size());
    for (std::size_t i = 0; i < collectedRows_.size(); ++i)
        keys.push_back(Key{collectedRows_[i]->object.alarmDate, collectedRows_[i]->object.alarmTime, i});
    std::sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
        if (a.date != b.date)
            return a.date < b.date;
        if (a.time != b.time)
            return a.time < b.time;
        return a.added > b.added;
    });
    std::vector<std::unique_ptr<AlarmRow>> ordered;
    ordered.reserve(keys.size());
    for (const Key& key : keys)
        ordered.push_back(std::move(collectedRows_[key.added]));
    collectedRows_.clear();
    rows_.assignFrom(ordered);
    collectingRows_ = false;
    if (observer_ != nullptr)
        observer_->endResetRows();
}

void AlarmStore::clearAll()
{
    ++changeCount_;
    todayAlarms_.clear();
    baseAlarms_.clear();
    rows_.clear();
    collectedRows_.clear();
}

} // namespace klaxora
