// Alarms exported to iCalendar and imported into another store come back as they were.
#include "store/date_time_text.h"
#include "store/store_test_support.h"
#include "support/stored_alarm_records.h"
#include "sync/icalendar_export.h"
#include "sync/icalendar_import.h"
#include "sync/icalendar_store.h"

#include <gtest/gtest.h>

namespace klaxora {
namespace {

using namespace klaxora::testing;

// Every printable ASCII character the editor takes (all but "^"), and some from further planes.
std::vector<std::string> editorMessages()
{
    std::string ascii;
    for (char c = ' '; c <= '~'; ++c) {
        if (c != '^')
            ascii += c;
    }
    return {ascii.substr(0, 50), ascii.substr(50), "é ß € Ω ☕ 中 𝄞 😀 \xC2\xA0 ; , \\n \\ :", "", "   "};
}

class CalendarRoundTripTest : public StoreTest {
protected:
    CalendarRoundTripTest() { store.seedUids(7); }

    void addAlarm(const std::string& time, const std::string& date, const std::string& message,
                  const std::string& wave, AlarmMode mode, RepeatDays days = {})
    {
        store.addAlarm(time, date, message, wave, mode, days);
    }

    // The other machine: an empty store at the same time, in the same zone.
    std::vector<test::StoredRecord> importedElsewhere(const std::string& text, const std::string& zone)
    {
        TempFolder otherFolder;
        AlarmStore other(clock, formats, otherFolder.path(), fs);
        const CalendarImport import =
            addCalendarAlarms(other, readICalendar(text, zone, clock.now()), "/default.wav");
        EXPECT_EQ(import.added, store.baseAlarmList().count());
        return test::storedRecords(other);
    }
};

TEST_F(CalendarRoundTripTest, EveryModeRepeatAndMessageComesBack)
{
    const std::vector<RepeatDays> repeats = {RepeatDays(),
                                             RepeatDays::fromField("1"),
                                             RepeatDays::fromField("7"),
                                             RepeatDays::fromField("23456"),
                                             RepeatDays::fromField("17"),
                                             RepeatDays::everyDay()};
    int n = 0;
    for (const std::string& message : editorMessages()) {
        for (AlarmMode mode = amMessageAndSound; mode <= amSoundOnly; ++mode) {
            for (const RepeatDays days : repeats) {
                const std::string time =
                    formatDateTime("hh:mmam/pm", encodeTime(n % 24, (n * 7) % 60, 0, 0), formats.storage());
                addAlarm(time, n % 2 == 0 ? "06/10/2026" : "11/02/2026", message,
                         n % 3 == 0 ? "" : "/snd/b ell;" + std::to_string(n) + ".wav", mode, days);
                ++n;
            }
        }
    }
    // A missed alarm (passed, never answered) stays missed.
    addAlarm("09:00am", "06/08/2026", "Missed", "", amMessageOnly);
    for (const std::string zone : {"Europe/Berlin", "America/New_York", "UTC", ""}) {
        const std::string text = alarmsToICalendar(store.baseAlarmList(), zone, clock.now()).text;
        EXPECT_EQ(importedElsewhere(text, zone), test::storedRecords(store)) << "zone " << zone;
    }
}

} // namespace
} // namespace klaxora
