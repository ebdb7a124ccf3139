#include "store/alarm_store.h"

#include "store/alarm_file.h"
#include "store/date_time_text.h"
#include "store/text_encoding.h"
#include "store/text_helpers.h"

#include <cmath>
#include <string>

namespace klaxora {

namespace {

constexpr double kMillisecondsPerDay = 86400000.0;

long long ToMilliseconds(TDateTime timeOfDay)
{
    return std::llround(timeOfDay * kMillisecondsPerDay);
}

// Ids grow along both lists (a new id is always the largest and always appended), so a binary search
// finds the same entry as a walk from the last entry would.
template <typename T>
int FindById(const OwningList<T>& list, AlarmId id)
{
    int low = 0;
    int high = list.Count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (list[middle].Id < id)
            low = middle + 1;
        else
            high = middle;
    }
    return low < list.Count() && list[low].Id == id ? low : -1;
}

// Names a character that would break the alarm file's line grammar, or returns nothing.
std::string ForbiddenCharacterName(std::string_view text)
{
    for (const char c : text) {
        switch (c) {
        case '^':
            return "the character \"^\"";
        case '\r':
            return "a carriage return (character 13)";
        case '\n':
            return "a line feed (character 10)";
        case 26:
            return "the end-of-file character Ctrl-Z (character 26)";
        default:
            break;
        }
    }
    return {};
}

// Text inside the program is UTF-8; anything else is taken as Windows-1252, as the file reader does,
// so that what is written reads back the same.
std::string CheckedFileText(std::string_view text, const char* what)
{
    std::string decoded = DecodeFileText(text);
    if (const std::string name = ForbiddenCharacterName(decoded); !name.empty())
        throw AlarmInputError(std::string("The ") + what + " cannot contain " + name + ".");
    return decoded;
}

void CheckRowIndex(int index, int count)
{
    if (index < 0 || index >= count)
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
}

} // namespace

AlarmStore::AlarmStore(const Clock& clock, const DateTimeFormats& formats, std::string folder,
                       FileSystem& fileSystem)
    : clock_(clock), formats_(formats), alarmFilePath_(JoinPath(folder, AlarmFileName)),
      fileSystem_(fileSystem)
{
}

AlarmStore::~AlarmStore() = default;

AlarmId AlarmStore::AddAlarm(std::string_view TimeText, std::string_view DateText, std::string_view Message,
                             std::string_view WaveFile, TAlarmMode Mode)
{
    const FormatSettings& storage = formats_.Storage();
    const TDateTime date = StrToDate(DateText, storage, DecodeDate(clock_.Today()).year);
    const TDateTime time = StrToTime(TimeText, storage);
    const std::string message = CheckedFileText(Message, "alarm message");
    const std::string waveFile = CheckedFileText(WaveFile, "sound file path");
    if (Mode > amSoundOnly)
        throw AlarmInputError("The alarm mode must be 0, 1 or 2.");
    return AddConvertedAlarm(time, date, message, waveFile, Mode);
}

AlarmId AlarmStore::AddConvertedAlarm(TDateTime time, TDateTime date, std::string_view message,
                                      std::string_view waveFile, TAlarmMode mode)
{
    const AlarmId id = baseAlarms_.Empty() ? 1 : baseAlarms_.Last().Id + 1;
    const TDateTime today = clock_.Today();
    if (date < today)
        return id;
    const bool futureDate = date > today;

    ++changeCount_;
    baseAlarms_.Append(std::make_unique<TBaseAlarm>(time, date, message, waveFile, id, mode));

    if (!futureDate) {
        // Up to 30 seconds late is still pending; compared in whole milliseconds, the clock's resolution.
        if (ToMilliseconds(clock_.TimeNow()) > ToMilliseconds(time + PendingGrace))
            return id;
        todayAlarms_.Append(std::make_unique<TAlarm>(time, message, waveFile, id, mode));
    } else if (showOnlyToday_) {
        return id;
    }

    const FormatSettings& user = formats_.User();
    auto row = std::make_unique<AlarmRow>();
    row->Text = TrimSpaces(message) + "...(" + FormatDateTime("hh:nnam/pm", time, user) + "   " +
                DateToStr(date, user) + ")";
    row->Object = TListBoxObject{time, date, id, futureDate};
    InsertRow(std::move(row));
    return id;
}

void AlarmStore::InsertRow(std::unique_ptr<AlarmRow> row)
{
    if (collectingRows_) {
        collectedRows_.push_back(std::move(row));
        return;
    }
    // Before the first row with a later date, or the same date and the same or later time.
    const TListBoxObject& added = row->Object;
    int low = 0;
    int high = rows_.Count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const TListBoxObject& other = rows_[middle].Object;
        if (other.AlarmDate < added.AlarmDate ||
            (other.AlarmDate == added.AlarmDate && other.AlarmTime < added.AlarmTime))
            low = middle + 1;
        else
            high = middle;
    }
    if (observer_ != nullptr)
        observer_->BeginInsertRow(low);
    rows_.Insert(low, std::move(row));
    if (observer_ != nullptr)
        observer_->EndInsertRow();
}

void AlarmStore::DeleteAlarm(int RowIndex)
{
    CheckRowIndex(RowIndex, rows_.Count());
    const AlarmId id = rows_[RowIndex].Object.Id;
    ++changeCount_;
    for (int index = FindAlarmForId(id); index >= 0; index = FindAlarmForId(id))
        todayAlarms_.RemoveAt(index);
    for (int index = FindBaseAlarmForId(id); index >= 0; index = FindBaseAlarmForId(id))
        baseAlarms_.RemoveAt(index);
    if (observer_ != nullptr)
        observer_->BeginRemoveRow(RowIndex);
    rows_.RemoveAt(RowIndex);
    if (observer_ != nullptr)
        observer_->EndRemoveRow();
    if (host_ != nullptr)
        host_->Setbuttons();
}

void AlarmStore::DeleteAlarmJustDone(int RowIndex)
{
    DeleteAlarm(RowIndex);
    if (host_ != nullptr) {
        host_->ProcessPendingEvents();
        if (host_->SelectedRow() < 0 && !rows_.Empty())
            host_->SelectRow(0);
    }
    WriteToDisk();
    if (host_ != nullptr)
        host_->ProcessPendingEvents();
}

int AlarmStore::FindAlarmForId(AlarmId Id) const
{
    return FindById(todayAlarms_, Id);
}

int AlarmStore::FindBaseAlarmForId(AlarmId Id) const
{
    return FindById(baseAlarms_, Id);
}

void AlarmStore::RemoveTodayEntry(int index)
{
    CheckRowIndex(index, todayAlarms_.Count());
    ++changeCount_;
    todayAlarms_.RemoveAt(index);
}

} // namespace klaxora
