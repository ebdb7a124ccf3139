// Arbitrary bytes as "Alarms.dat": the load must not fail, the lists it builds must be sound, and the
// file it rewrites must load to the very same records and rewrite to the very same bytes.
#include "fuzz_check.h"
#include "memory_file_system.h"
#include "store/alarm_store.h"
#include "store/store_description.h"
#include "store/text_encoding.h"

#include <cstddef>
#include <cstdint>

namespace klaxora::fuzz {
namespace {

const std::string FuzzFolder = "/klaxora";
const std::string FuzzAlarmFile = FuzzFolder + "/Alarms.dat";

using klaxora::testing::describe;

void requireSoundLists(const AlarmStore& store, DateTime today)
{
    const OwningList<StoredAlarm>& base = store.baseAlarmList();
    for (int i = 0; i < base.count(); ++i) {
        const StoredAlarm& a = base[i];
        require(a.id == i + 1, "a load numbers the alarms 1, 2, 3 in file order");
        require(a.alarmDate == dateOf(a.alarmDate), "whole dates");
        require(a.alarmTime >= 0 && a.alarmTime < 1, "a time of day");
        require(a.alarmMode <= amSoundOnly, "mode 0, 1 or 2");
        require(isValidUtf8(a.message) && isValidUtf8(a.waveFile), "texts are UTF-8");
        require(characterCount(a.message) <= MessageCapacity, "a message of at most 100 characters");
        require(a.message.find_first_of("^\r\n\x1A") == std::string::npos &&
                    a.waveFile.find_first_of("^\r\n\x1A") == std::string::npos,
                "no character that breaks a line of the file");
        require(a.repeatDays.empty() ||
                    (a.repeatDays.contains(dayOfWeek(a.alarmDate)) && a.alarmDate >= today),
                "a repeating alarm is dated one of its days, not before today");
    }
    const OwningList<AlarmRow>& rows = store.rows();
    for (int i = 1; i < rows.count(); ++i) {
        const ListedAlarm& a = rows[i - 1].object;
        const ListedAlarm& b = rows[i].object;
        require(a.alarmDate < b.alarmDate || (a.alarmDate == b.alarmDate && a.alarmTime <= b.alarmTime),
                "rows in date and time order");
    }
    for (int i = 0; i < rows.count(); ++i)
        require(store.findBaseAlarmForId(rows[i].object.id) >= 0, "every row has its stored alarm");
    for (int i = 0; i < store.todayList().count(); ++i) {
        const int stored = store.findBaseAlarmForId(store.todayList()[i].id);
        require(stored >= 0, "every pending alarm is stored");
        require(base[stored].alarmDate == today, "only today's alarms are pending; passed days are missed");
    }
}

void loadTwice(std::string_view contents, DateTime now)
{
    FormatSettings user;
    user.shortDatePattern = "m/d/yy";
    const DateTimeFormats formats(user);
    FakeClock clock(now);
    MemoryFileSystem files;
    files.files[FuzzAlarmFile] = std::string(contents);

    AlarmStore first(clock, formats, FuzzFolder, files);
    first.loadFromDisk();
    requireSoundLists(first, clock.today());
    const std::string rewritten = files.files.at(FuzzAlarmFile);

    AlarmStore second(clock, formats, FuzzFolder, files);
    second.loadFromDisk();
    require(describe(second) == describe(first), "the rewritten file loads to the same records");
    require(files.files.at(FuzzAlarmFile) == rewritten, "the second rewrite gives the same bytes");
    require(files.files.size() == 1, "no temporary file is left");
}

} // namespace
} // namespace klaxora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace klaxora;
    const std::string_view contents(reinterpret_cast<const char*>(data), size);
    // A Wednesday noon; a Sunday just after midnight (the 30-second grace, weekday lines naming today);
    // the last second of a year (two-digit years, weekday lines reaching into the next year).
    fuzz::loadTwice(contents, encodeDate(2026, 6, 10) + encodeTime(12, 0, 0, 0));
    fuzz::loadTwice(contents, encodeDate(2026, 6, 14) + encodeTime(0, 0, 20, 0));
    fuzz::loadTwice(contents, encodeDate(2026, 12, 31) + encodeTime(23, 59, 59, 999));
    return 0;
}
