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
    std::string contents;
    contents.reserve(static_cast<std::size_t>(baseAlarms_.Count()) * 64);
    for (int i = 0; i < baseAlarms_.Count(); ++i) {
        contents += FormatAlarmFileLine(baseAlarms_[i]);
        contents += "\r\n";
    }
    ReplaceFileAtomically(fileSystem_, alarmFilePath_, contents);
}

void AlarmStore::LoadFromDisk()
{
    loadedDate_ = clock_.Today();
    if (observer_ != nullptr)
        observer_->BeginResetRows();
    ClearAll();
    collectingRows_ = true;
    bool fileFound = false;
    // Until the file has been read whole, the lists hold part of it at most.
    fileUnread_ = true;
    try {
        std::string contents;
        const int error = fileSystem_.ReadWholeFile(alarmFilePath_, contents);
        if (error != 0 && error != ENOENT)
            throw InOutError(error);
        fileFound = error == 0;
        if (fileFound)
            LoadLines(contents);
        fileUnread_ = false;
    } catch (...) {
        InstallCollectedRows();
        throw;
    }
    InstallCollectedRows();
    if (!fileFound)
        return;

    fileSystem_.RemoveLeftoverTemporaries(alarmFilePath_);
    WriteToDisk();
    ShowLoadToHost();
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
