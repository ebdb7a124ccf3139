// The alarm store's side of "Alarms.dat": the rewrite and the load.
#include "store/alarm_file.h"
#include "store/alarm_store.h"
#include "store/atomic_file.h"
#include "store/io_error.h"
#include "store/text_encoding.h"

#include <algorithm>
#include <cerrno>

namespace klaxora {

void AlarmStore::WriteToDisk()
{
    if (fileUnread_)
        throw UnreadAlarmFileError("The alarm file could not be read, so it is not overwritten; changes are "
                                   "saved once it has been read again");
    fileBehind_ = true;
    ReplaceFileAtomically(fileSystem_, alarmFilePath_, AlarmLines());
    fileBehind_ = false;
}

void AlarmStore::LoadFromDisk()
{
    std::string contents;
    const int error = fileSystem_.ReadWholeFile(alarmFilePath_, contents);
    if (error != 0 && error != ENOENT) {
        // None of the file's alarms may stay, or they would be written back without the rest of it; the
        // alarms added since the first failure are all memory holds, and are kept for the file. A retry
        // on the same day leaves them as they stand.
        const bool firstFailure = !fileUnread_;
        fileUnread_ = true;
        if (firstFailure)
            Rebuild({}, {});
        else if (loadedDate_ != clock_.Today())
            ReloadFromMemory();
        throw InOutError(error);
    }
    const bool fileFound = error == 0;
    const std::string kept = fileUnread_ ? AlarmLines() : std::string();
    fileUnread_ = false;
    Rebuild(contents, kept);
    if (!fileFound && kept.empty())
        return;

    fileSystem_.RemoveLeftoverTemporaries(alarmFilePath_);
    WriteToDisk();
    ShowLoadToHost();
}

void AlarmStore::ReloadFromMemory()
{
    Rebuild({}, AlarmLines());
}

void AlarmStore::Rebuild(std::string_view fileLines, std::string_view keptLines)
{
    loadedDate_ = clock_.Today();
    if (observer_ != nullptr)
        observer_->BeginResetRows();
    ClearAll();
    collectingRows_ = true;
    // Kept lines are read apart: the file's last line need not end with a line break.
    LoadLines(fileLines);
    LoadLines(keptLines);
    InstallCollectedRows();
}

std::string AlarmStore::AlarmLines() const
{
    std::string lines;
    lines.reserve(static_cast<std::size_t>(baseAlarms_.Count()) * 64);
    for (int i = 0; i < baseAlarms_.Count(); ++i) {
        lines += FormatAlarmFileLine(baseAlarms_[i]);
        lines += "\r\n";
    }
    return lines;
}

void AlarmStore::ShowLoadToHost()
{
    if (host_ == nullptr)
        return;
    host_->FocusListIfVisible();
    if (host_->SelectedRow() < 0 && !rows_.Empty())
        host_->SelectRow(0);
}

void AlarmStore::LoadLines(std::string_view contents)
{
    const FormatSettings& storage = formats_.Storage();
    const TDateTime today = clock_.Today();
    std::string decoded;
    for (const std::string_view line : SplitAlarmFileLines(SkipByteOrderMark(contents))) {
        try {
            const AlarmFileLine alarm = ParseAlarmFileLine(DecodeFileText(line, decoded), storage, today);
            if (alarm.Kind == DatedAlarmKind && alarm.Date < today)
                continue;
            if (alarm.Weekdays.empty()) {
                AddConvertedAlarm(alarm.Time, alarm.Date, alarm.Message, alarm.WaveFile, alarm.Mode);
                continue;
            }
            // A weekday line becomes dated alarms for the coming seven days, today included.
            for (int k = 0; k < 7; ++k) {
                const TDateTime day = today + k;
                if (alarm.Weekdays.find(static_cast<char>('0' + DayOfWeek(day))) != std::string_view::npos)
                    AddConvertedAlarm(alarm.Time, day, alarm.Message, alarm.WaveFile, alarm.Mode);
            }
        } catch (const std::exception&) {
            // A line that cannot be used is dropped silently; the rewrite removes it from the file.
        }
    }
}

void AlarmStore::InstallCollectedRows()
{
    // Row by row, a new row goes before the rows with the same date and time: so among equal keys the
    // row added last stands first. The keys are sorted apart from the rows to keep the sort in cache.
    struct Key {
        TDateTime date;
        TDateTime time;
        std::size_t added;
    };
    std::vector<Key> keys;
    keys.reserve(collectedRows_.size());
    for (std::size_t i = 0; i < collectedRows_.size(); ++i)
        keys.push_back(Key{collectedRows_[i]->Object.AlarmDate, collectedRows_[i]->Object.AlarmTime, i});
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
    rows_.AssignFrom(ordered);
    collectingRows_ = false;
    if (observer_ != nullptr)
        observer_->EndResetRows();
}

void AlarmStore::ClearAll()
{
    ++changeCount_;
    todayAlarms_.Clear();
    baseAlarms_.Clear();
    rows_.Clear();
    collectedRows_.clear();
}

} // namespace klaxora
