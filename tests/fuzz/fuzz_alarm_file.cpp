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

const std::string kFolder = "/klaxora";
const std::string kPath = kFolder + "/Alarms.dat";

using klaxora::testing::Describe;

void RequireSoundLists(const AlarmStore& store, TDateTime today)
{
    const OwningList<TBaseAlarm>& base = store.BaseAlarmList();
    for (int i = 0; i < base.Count(); ++i) {
        const TBaseAlarm& a = base[i];
        Require(a.Id == i + 1, "a load numbers the alarms 1, 2, 3 in file order");
        Require(a.AlarmDate >= today && a.AlarmDate == DateOf(a.AlarmDate), "whole dates, none passed");
        Require(a.AlarmTime >= 0 && a.AlarmTime < 1, "a time of day");
        Require(a.AlarmMode <= amSoundOnly, "mode 0, 1 or 2");
        Require(IsValidUtf8(a.Message) && IsValidUtf8(a.WaveFile), "texts are UTF-8");
        Require(CharacterCount(a.Message) <= MessageCapacity, "a message of at most 100 characters");
        Require(a.Message.find_first_of("^\r\n\x1A") == std::string::npos &&
                    a.WaveFile.find_first_of("^\r\n\x1A") == std::string::npos,
                "no character that breaks a line of the file");
    }
    const OwningList<AlarmRow>& rows = store.Rows();
    for (int i = 1; i < rows.Count(); ++i) {
        const TListBoxObject& a = rows[i - 1].Object;
        const TListBoxObject& b = rows[i].Object;
        Require(a.AlarmDate < b.AlarmDate || (a.AlarmDate == b.AlarmDate && a.AlarmTime <= b.AlarmTime),
                "rows in date and time order");
    }
    for (int i = 0; i < rows.Count(); ++i)
        Require(store.FindBaseAlarmForId(rows[i].Object.Id) >= 0, "every row has its stored alarm");
    for (int i = 0; i < store.TodayList().Count(); ++i)
        Require(store.FindBaseAlarmForId(store.TodayList()[i].Id) >= 0, "every pending alarm is stored");
}

void LoadTwice(std::string_view contents, TDateTime now)
{
    FormatSettings user;
    user.ShortDatePattern = "m/d/yy";
    const DateTimeFormats formats(user);
    FakeClock clock(now);
    MemoryFileSystem files;
    files.files[kPath] = std::string(contents);

    AlarmStore first(clock, formats, kFolder, files);
    first.LoadFromDisk();
    RequireSoundLists(first, clock.Today());
    const std::string rewritten = files.files.at(kPath);

    AlarmStore second(clock, formats, kFolder, files);
    second.LoadFromDisk();
    Require(Describe(second) == Describe(first), "the rewritten file loads to the same records");
    Require(files.files.at(kPath) == rewritten, "the second rewrite gives the same bytes");
    Require(files.files.size() == 1, "no temporary file is left");
}

} // namespace
} // namespace klaxora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace klaxora;
    const std::string_view contents(reinterpret_cast<const char*>(data), size);
    // A Wednesday noon; a Sunday just after midnight (the 30-second grace, weekday lines naming today);
    // the last second of a year (two-digit years, weekday lines reaching into the next year).
    fuzz::LoadTwice(contents, EncodeDate(2026, 6, 10) + EncodeTime(12, 0, 0, 0));
    fuzz::LoadTwice(contents, EncodeDate(2026, 6, 14) + EncodeTime(0, 0, 20, 0));
    fuzz::LoadTwice(contents, EncodeDate(2026, 12, 31) + EncodeTime(23, 59, 59, 999));
    return 0;
}
