#include "store/alarm_store.h"

#include "store/alarm_file.h"
#include "store/date_time_text.h"
#include "store/passed_alarm_time.h"
#include "store/text_encoding.h"
#include "store/text_helpers.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace klaxora {

namespace {

constexpr double MillisecondsPerDay = 86400000.0;

long long toMilliseconds(DateTime timeOfDay)
{
    return std::llround(timeOfDay * MillisecondsPerDay);
}

// Ids grow along both lists (a new id is always the largest and always appended), so a binary search
// finds the same entry as a walk from the last entry would.
template <typename T>
int findById(const OwningList<T>& list, AlarmId id)
{
    int low = 0;
    int high = list.count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (list[middle].id < id)
            low = middle + 1;
        else
            high = middle;
    }
    return low < list.count() && list[low].id == id ? low : -1;
}

// Names a character that would break the alarm file's line grammar, or returns null.
const char* forbiddenCharacterName(std::string_view text)
{
    for (const char c : text) {
        switch (c) {
        case '^':
            return QT_TRANSLATE_NOOP("AlarmStore", "the character \"^\"");
        case '\r':
            return QT_TRANSLATE_NOOP("AlarmStore", "a carriage return (character 13)");
        case '\n':
            return QT_TRANSLATE_NOOP("AlarmStore", "a line feed (character 10)");
        case 26:
            return QT_TRANSLATE_NOOP("AlarmStore", "the end-of-file character Ctrl-Z (character 26)");
        default:
            break;
        }
    }
    return nullptr;
}

// Text inside the program is UTF-8; anything else is taken as Windows-1252, as the file reader does,
// so that what is written reads back the same.
// `refusal` names the field and leaves %1 for the character.
std::string checkedFileText(std::string_view text, const char* refusal)
{
    std::string decoded = decodeFileText(text);
    if (const char* name = forbiddenCharacterName(decoded))
        throw AlarmInputError({"AlarmStore", refusal, {{"AlarmStore", name, {}}}});
    return decoded;
}

void checkRowIndex(int index, int count)
{
    if (index < 0 || index >= count)
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
}

} // namespace

AlarmStore::AlarmStore(const Clock& clock, const DateTimeFormats& formats, std::string folder,
                       FileSystem& fileSystem)
    : clock_(clock), formats_(formats), alarmFilePath_(joinPath(folder, AlarmFileName)),
      fileSystem_(fileSystem)
{
}

AlarmStore::~AlarmStore() = default;

AlarmId AlarmStore::addAlarm(std::string_view timeText, std::string_view dateText, std::string_view message,
                             std::string_view waveFile, AlarmMode mode, RepeatDays repeatDays,
                             std::string_view uid)
{
    const FormatSettings& storage = formats_.storage();
    const DateTime date = strToDate(dateText, storage, decodeDate(clock_.today()).year);
    const DateTime time = strToTime(timeText, storage);
    const std::string checkedMessage =
        checkedFileText(message, QT_TRANSLATE_NOOP("AlarmStore", "The alarm message cannot contain %1."));
    const std::string checkedWaveFile =
        checkedFileText(waveFile, QT_TRANSLATE_NOOP("AlarmStore", "The sound file path cannot contain %1."));
    const std::string checkedUid =
        checkedFileText(uid, QT_TRANSLATE_NOOP("AlarmStore", "The alarm identity cannot contain %1."));
    if (mode > amSoundOnly)
        throw AlarmInputError(
            {"AlarmStore", QT_TRANSLATE_NOOP("AlarmStore", "The alarm mode must be 0, 1 or 2."), {}});
    const DateTime first = repeatDays.empty() ? date : firstOccurrenceToCome(repeatDays, date, time);
    return addConvertedAlarm(time, first, checkedMessage, checkedWaveFile, mode, repeatDays, checkedUid);
}

DateTime AlarmStore::firstOccurrenceToCome(RepeatDays days, DateTime from, DateTime time) const
{
    DateTime day = days.firstOnOrAfter(std::max(from, clock_.today()));
    if (alarmTimeHasPassed(day, time, clock_))
        day = days.firstOnOrAfter(day + 1);
    return day;
}

AlarmId AlarmStore::addConvertedAlarm(DateTime time, DateTime date, std::string_view message,
                                      std::string_view waveFile, AlarmMode mode, RepeatDays repeatDays,
                                      std::string_view uid)
{
    const AlarmId id = baseAlarms_.empty() ? 1 : baseAlarms_.last().id + 1;
    const DateTime today = clock_.today();
    const bool futureDate = date > today;
    // Up to 30 seconds late is still pending; compared in whole milliseconds, the clock's resolution.
    // Later than that it was missed, and it stays (with a row, whatever the list shows) until answered.
    const bool missed = date < today || (date == today && toMilliseconds(clock_.timeNow()) >
                                                              toMilliseconds(time + PendingGrace));

    ++changeCount_;
    baseAlarms_.append(std::make_unique<StoredAlarm>(time, date, message, waveFile, id, mode, repeatDays,
                                                     uid.empty() ? uids_.newUid() : std::string(uid)));

    if (!futureDate && !missed)
        todayAlarms_.append(std::make_unique<PendingAlarm>(time, message, waveFile, id, mode));
    else if (futureDate && showOnlyToday_)
        return id;

    const FormatSettings& user = formats_.user();
    auto row = std::make_unique<AlarmRow>();
    row->text = trimSpaces(message) + "...(" + formatDateTime("hh:nnam/pm", time, user) + "   " +
                dateToStr(date, user);
    if (!repeatDays.empty())
        row->text += "   " + userRepeatDaysText(repeatDays, user);
    row->text += ")";
    row->object = ListedAlarm{time, date, id, futureDate, missed, repeatDays};
    insertRow(std::move(row));
    return id;
}

void AlarmStore::insertRow(std::unique_ptr<AlarmRow> row)
{
    if (collectingRows_) {
        collectedRows_.push_back(std::move(row));
        return;
    }
    // Before the first row with a later date, or the same date and the same or later time.
    const ListedAlarm& added = row->object;
    int low = 0;
    int high = rows_.count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const ListedAlarm& other = rows_[middle].object;
        if (other.alarmDate < added.alarmDate ||
            (other.alarmDate == added.alarmDate && other.alarmTime < added.alarmTime))
            low = middle + 1;
        else
            high = middle;
    }
    if (observer_ != nullptr)
        observer_->beginInsertRow(low);
    rows_.insert(low, std::move(row));
    if (observer_ != nullptr)
        observer_->endInsertRow();
}

void AlarmStore::deleteAlarm(int rowIndex)
{
    checkRowIndex(rowIndex, rows_.count());
    removeAlarm(rows_[rowIndex].object.id);
}

void AlarmStore::removeAlarm(AlarmId id)
{
    ++changeCount_;
    for (int index = findAlarmForId(id); index >= 0; index = findAlarmForId(id))
        todayAlarms_.removeAt(index);
    for (int index = findBaseAlarmForId(id); index >= 0; index = findBaseAlarmForId(id))
        baseAlarms_.removeAt(index);
    if (const int rowIndex = rowForId(id); rowIndex >= 0) {
        if (observer_ != nullptr)
            observer_->beginRemoveRow(rowIndex);
        rows_.removeAt(rowIndex);
        if (observer_ != nullptr)
            observer_->endRemoveRow();
    }
    if (host_ != nullptr)
        host_->updateButtons();
}

void AlarmStore::deleteAlarmJustDone(int rowIndex)
{
    checkRowIndex(rowIndex, rows_.count());
    const AlarmId id = rows_[rowIndex].object.id;
    if (const int stored = findBaseAlarmForId(id); stored >= 0 && !baseAlarms_[stored].repeatDays.empty()) {
        // Copied: the addition may move the list's entries.
        const StoredAlarm alarm = baseAlarms_[stored];
        addConvertedAlarm(alarm.alarmTime,
                          firstOccurrenceToCome(alarm.repeatDays, alarm.alarmDate + 1, alarm.alarmTime),
                          alarm.message, alarm.waveFile, alarm.alarmMode, alarm.repeatDays, alarm.uid);
        rowIndex = rowForId(id);
    }
    deleteAlarm(rowIndex);
    if (host_ != nullptr) {
        host_->processPendingEvents();
        if (host_->selectedRow() < 0 && !rows_.empty())
            host_->selectRow(0);
    }
    writeToDisk();
    if (host_ != nullptr)
        host_->processPendingEvents();
}

int AlarmStore::findAlarmForId(AlarmId id) const
{
    return findById(todayAlarms_, id);
}

int AlarmStore::findBaseAlarmForId(AlarmId id) const
{
    return findById(baseAlarms_, id);
}

int AlarmStore::findBaseAlarmForUid(std::string_view uid) const
{
    for (int i = 0; i < baseAlarms_.count(); ++i) {
        if (baseAlarms_[i].uid == uid)
            return i;
    }
    return -1;
}

int AlarmStore::rowForId(AlarmId id) const
{
    for (int i = 0; i < rows_.count(); ++i) {
        if (rows_[i].object.id == id)
            return i;
    }
    return -1;
}

void AlarmStore::removeTodayEntry(int index)
{
    checkRowIndex(index, todayAlarms_.count());
    ++changeCount_;
    todayAlarms_.removeAt(index);
}

} // namespace klaxora
