// The alarms in memory: the stored definitions (BaseAlarmList), today's pending occurrences (TodayList)
// and the rows of the alarm list, together with the alarm file they are saved in. The main window owns one
// store; the tick, the commands and the editor change alarms only through its operations.
#pragma once

#include "store/alarm_records.h"
#include "store/alarm_store_ui.h"
#include "store/alarm_uid.h"
#include "store/clock.h"
#include "store/date_time.h"
#include "store/file_system.h"
#include "store/format_settings.h"
#include "store/owning_list.h"
#include "store/user_error.h"

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace klaxora {

struct AlarmFileLine;

// An alarm that could not be saved so that it reads back the same, e.g.
// The alarm message cannot contain the character "^".
class AlarmInputError : public UserError {
public:
    using UserError::UserError;
};

// A write refused because the last load could not read the alarm file: the lists then hold only part of
// the alarms, and writing them would destroy the rest.
class UnreadAlarmFileError : public UserError {
public:
    using UserError::UserError;
};

class AlarmStore {
public:
    // The alarm file is "Alarms.dat" in `folder`. The store keeps references to the clock and the file
    // system; both must outlive it.
    AlarmStore(const Clock& clock, const DateTimeFormats& formats, std::string folder,
               FileSystem& fileSystem);
    AlarmStore(const AlarmStore&) = delete;
    AlarmStore& operator=(const AlarmStore&) = delete;
    ~AlarmStore();

    // Either may be null (nothing is told then).
    void setHost(AlarmStoreHost* host) { host_ = host; }
    void setRowsObserver(AlarmRowsObserver* observer) { observer_ = observer; }
    void setFileObserver(AlarmFileObserver* observer) { fileObserver_ = observer; }

    // Adds one alarm from text in the storage format ("07:30pm", "06/15/2026") and returns its new id.
    // One whose time has passed is kept as missed (a row, no pending entry). With repeat days the date
    // means "starting on": the alarm is dated its first occurrence from then on that has not passed.
    // Throws ConversionError for a text that does not convert and AlarmInputError for a message or sound
    // path that the alarm file cannot hold (or a mode other than 0, 1 and 2), before anything changes.
    // An edited, snoozed or moved alarm passes on the identity `uid` of the alarm it replaces; without
    // one the alarm gets a new identity.
    AlarmId addAlarm(std::string_view timeText, std::string_view dateText, std::string_view message,
                     std::string_view waveFile, AlarmMode mode, RepeatDays repeatDays = {},
                     std::string_view uid = {});
    // Removes the alarm of an existing row from all lists, then the row; calls updateButtons.
    // Does not write the file. Throws std::out_of_range for an index that is not a row.
    void deleteAlarm(int rowIndex);
    // Removes the alarm with this id from all lists, and its row if it has one (with "Show Today Only" an
    // alarm of another day has none). Does not write the file. For an alarm gone from elsewhere.
    void removeAlarm(AlarmId id);
    // DeleteAlarm, then lets events run, selects the first row when none is selected, writes the file
    // and lets events run again. For an alarm that has fired and is finished; a repeating alarm has only
    // finished this occurrence, and comes back at its next one that has not passed.
    void deleteAlarmJustDone(int rowIndex);
    // Index of the entry with that id, or -1.
    int findAlarmForId(AlarmId id) const;
    int findBaseAlarmForId(AlarmId id) const;
    // Index in BaseAlarmList of the alarm with that identity, or -1.
    int findBaseAlarmForUid(std::string_view uid) const;
    // New identities from then on repeat for the same seed, for tests.
    void seedUids(std::uint64_t seed) { uids_ = AlarmUidSource(seed); }
    // Takes one entry out of TodayList only (the tick's sweep of due entries).
    void removeTodayEntry(int index);

    // Replaces the alarm file atomically with BaseAlarmList. Throws InOutError; the lists are then as
    // they were, and FileBehind() tells that the file lacks them. Throws UnreadAlarmFileError, writing
    // nothing, while the last load failed to read the file.
    void writeToDisk();
    // Rebuilds all three lists from the alarm file, rewrites the file and sets LoadedDate.
    // Throws InOutError when the file cannot be read or rewritten. While the file cannot be read the
    // lists hold only the alarms added since (none at first); they are kept, and once the file reads
    // again they join its alarms and are written with them.
    void loadFromDisk();
    // Rebuilds the lists for today from the alarms in memory, as a load of a file holding them would
    // (passed alarms stay as missed, today's become pending), without reading or writing the file: for a new
    // date while the file lacks changes that only memory holds.
    void reloadFromMemory();
    // What a load that found the file does for the host at its end: the list gets the focus when it is
    // visible, and the first row is selected when none is. For a host that takes over a store loaded
    // before the host existed.
    void showLoadToHost();

    // "Show Today Only": rows only for today's alarms from the next AddAlarm on.
    bool showOnlyToday() const { return showOnlyToday_; }
    void setShowOnlyToday(bool value) { showOnlyToday_ = value; }
    // The date of the last load.
    DateTime loadedDate() const { return loadedDate_; }
    // Goes up with every change of BaseAlarmList or TodayList, so that readers can keep what they
    // worked out from the lists until the next change.
    std::uint64_t changeCount() const { return changeCount_; }
    // The last write of the alarm file failed: memory holds changes the file lacks, and a load would
    // lose them.
    bool fileBehind() const { return fileBehind_; }
    // The last load could not read the alarm file; until a load succeeds nothing is written over it, and
    // the lists hold only the alarms added since.
    bool alarmFileUnread() const { return fileUnread_; }

    const OwningList<StoredAlarm>& baseAlarmList() const { return baseAlarms_; }
    const OwningList<PendingAlarm>& todayList() const { return todayAlarms_; }
    const OwningList<AlarmRow>& rows() const { return rows_; }
    const DateTimeFormats& formats() const { return formats_; }
    const std::string& alarmFilePath() const { return alarmFilePath_; }

private:
    // An empty `uid` gets a new identity.
    AlarmId addConvertedAlarm(DateTime time, DateTime date, std::string_view message,
                              std::string_view waveFile, AlarmMode mode, RepeatDays repeatDays = {},
                              std::string_view uid = {});
    // The first occurrence on or after `from` that has not passed.
    DateTime firstOccurrenceToCome(RepeatDays days, DateTime from, DateTime time) const;
    // A repeating alarm's line: occurrences that passed unanswered leave the latest of them behind as a
    // missed alarm that rings once, and the alarm moves on.
    void loadRepeatingLine(const AlarmFileLine& line);
    int rowForId(AlarmId id) const;
    void insertRow(std::unique_ptr<AlarmRow> row);
    void loadLines(std::string_view contents);
    // Empties the lists and loads the lines of the file, then those of alarms kept from memory.
    void rebuild(std::string_view fileLines, std::string_view keptLines);
    // BaseAlarmList as the file would hold it.
    std::string alarmLines() const;
    void installCollectedRows();
    void clearAll();

    const Clock& clock_;
    DateTimeFormats formats_;
    std::string alarmFilePath_;
    FileSystem& fileSystem_;
    AlarmUidSource uids_;
    AlarmStoreHost* host_ = nullptr;
    AlarmRowsObserver* observer_ = nullptr;
    AlarmFileObserver* fileObserver_ = nullptr;

    OwningList<StoredAlarm> baseAlarms_;
    OwningList<PendingAlarm> todayAlarms_;
    OwningList<AlarmRow> rows_;
    bool showOnlyToday_ = false;
    DateTime loadedDate_ = 0;
    std::uint64_t changeCount_ = 0;
    bool fileUnread_ = false;
    bool fileBehind_ = false;

    // During a load rows are collected here and ordered once at the end.
    bool collectingRows_ = false;
    std::vector<std::unique_ptr<AlarmRow>> collectedRows_;
};

} // namespace klaxora
