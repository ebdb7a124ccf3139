// Arbitrary bytes as an iCalendar file: the reading refuses or gives alarms that the store keeps as they
// are, and those alarms exported and imported again come back the same, once.
#include "fuzz_check.h"
#include "memory_file_system.h"
#include "store/alarm_store.h"
#include "store/text_encoding.h"
#include "support/stored_alarm_records.h"
#include "sync/icalendar_export.h"
#include "sync/icalendar_import.h"
#include "sync/icalendar_store.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace klaxora::fuzz {
namespace {

void requireSoundAlarms(const CalendarReading& reading)
{
    for (const CalendarAlarm& a : reading.alarms) {
        require(a.date == dateOf(a.date) && a.time >= 0 && a.time < 1, "a whole date and a time of day");
        require(a.mode <= amSoundOnly, "mode 0, 1 or 2");
        require(!a.uid.empty(), "every alarm has an identity");
        for (const std::string* text : {&a.message, &a.uid}) {
            require(text->find_first_of("^\r\n\t\x1A") == std::string::npos,
                    "no character that breaks a line of the alarm file");
        }
    }
}

void importAndBack(std::string_view text, const std::string& zone, DateTime now)
{
    CalendarReading reading;
    try {
        reading = readICalendar(text, zone, now);
    } catch (const ICalendarError&) {
        return;
    }
    requireSoundAlarms(reading);
    const DateTimeFormats formats{FormatSettings()};
    FakeClock clock(now);
    MemoryFileSystem files;
    AlarmStore first(clock, formats, "/a", files);
    const CalendarImport import = addCalendarAlarms(first, reading, "/default.wav");
    require(import.refused == 0, "the store keeps every alarm read");
    require(import.added + import.alreadyHere == static_cast<int>(reading.alarms.size()),
            "each alarm is added or already there");
    require(addCalendarAlarms(first, reading, "").added == 0, "a second import adds nothing");

    const std::string exported = alarmsToICalendar(first.baseAlarmList(), zone, now).text;
    AlarmStore second(clock, formats, "/b", files);
    const CalendarImport again = addCalendarAlarms(second, readICalendar(exported, zone, now), "/other.wav");
    require(again.added == first.baseAlarmList().count(), "every exported alarm reads back");
    require(test::storedRecords(second) == test::storedRecords(first),
            "exported and imported, the alarms are the same");
}

} // namespace
} // namespace klaxora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace klaxora;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    fuzz::importAndBack(text, "Europe/Berlin", encodeDate(2026, 6, 10) + encodeTime(12, 0, 0, 0));
    fuzz::importAndBack(text, "", encodeDate(2026, 10, 25) + encodeTime(2, 30, 0, 0));
    return 0;
}
