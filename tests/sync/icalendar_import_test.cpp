// Calendars from elsewhere: which of their events become alarms, when, and which are counted as skipped.
#include "sync/icalendar_import.h"

#include <gtest/gtest.h>

#include <string>

namespace klaxora {
namespace {

// Wednesday 10 June 2026, noon, in Berlin (10:00 universal time).
const DateTime Now = encodeDate(2026, 6, 10) + encodeTime(12, 0, 0, 0);

std::string calendar(const std::string& items)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n" + items + "END:VCALENDAR\r\n";
}

std::string event(const std::string& properties,
                  const std::string& alarm = "TRIGGER:PT0S\r\nACTION:DISPLAY\r\n"
                                             "DESCRIPTION:x\r\n")
{
    return "BEGIN:VEVENT\r\nUID:u1\r\nDTSTAMP:20260601T000000Z\r\n" + properties +
           (alarm.empty() ? "" : "BEGIN:VALARM\r\n" + alarm + "END:VALARM\r\n") + "END:VEVENT\r\n";
}

struct ImportCase {
    const char* what;
    std::string text;
    int alarms; // read as alarms; the first one is then checked
    DateTime at;
    const char* days = "";
    int withoutReminder = 0;
    int passed = 0;
    AlarmMode mode = amMessageAndSound;
};

class CalendarImportTest : public ::testing::TestWithParam<ImportCase> {};

TEST_P(CalendarImportTest, ReadsAsExpected)
{
    const ImportCase& c = GetParam();
    const CalendarReading reading = readICalendar(c.text, "Europe/Berlin", Now);
    ASSERT_EQ(static_cast<int>(reading.alarms.size()), c.alarms);
    EXPECT_EQ(reading.withoutReminder, c.withoutReminder);
    EXPECT_EQ(reading.passed, c.passed);
    if (c.alarms == 0)
        return;
    const CalendarAlarm& alarm = reading.alarms.front();
    EXPECT_EQ(decodeDate(alarm.date), decodeDate(c.at));
    EXPECT_EQ(decodeTime(alarm.time), decodeTime(c.at));
    EXPECT_EQ(alarm.repeatDays.field(), c.days);
    EXPECT_EQ(alarm.mode, c.mode);
}

DateTime at(int month, int day, int hour, int minute)
{
    return encodeDate(2026, month, day) + encodeTime(hour, minute, 0, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CalendarImportTest,
    ::testing::Values(
        ImportCase{"universal time is taken to local time", calendar(event("DTSTART:20260611T060000Z\r\n")),
                   1, at(6, 11, 8, 0)},
        ImportCase{"a reminder before the start",
                   calendar(event("DTSTART;TZID=Europe/Berlin:20260611T090000\r\n",
                                  "TRIGGER:-PT15M\r\nACTION:AUDIO\r\n")),
                   1, at(6, 11, 8, 45), "", 0, 0, amSoundOnly},
        ImportCase{"passed and unanswered: an alarm at its time",
                   calendar(event("DTSTART:20260609T090000\r\n")), 1, at(6, 9, 9, 0)},
        ImportCase{
            "passed and answered: skipped",
            calendar(event("DTSTART:20260609T090000\r\n", "TRIGGER:PT0S\r\nACTION:DISPLAY\r\nDESCRIPTION:"
                                                          "x\r\nACKNOWLEDGED:20260609T070100Z\r\n")),
            0, 0, "", 0, 1},
        ImportCase{"a weekly rule is a repeating alarm from its next occurrence",
                   calendar(event("DTSTART:20260101T073000\r\nRRULE:FREQ=WEEKLY;BYDAY=MO,WE,FR\r\n")), 1,
                   at(6, 12, 7, 30), "246"},
        ImportCase{"a daily rule rings every day",
                   calendar(event("DTSTART:20260101T130000\r\nRRULE:FREQ=DAILY\r\n")), 1, at(6, 10, 13, 0),
                   "1234567"},
        ImportCase{"a reminder the evening before moves the days back",
                   calendar(event("DTSTART;VALUE=DATE:20260105\r\nRRULE:FREQ=WEEKLY;BYDAY=MO\r\n",
                                  "TRIGGER:-PT2H\r\nACTION:DISPLAY\r\nDESCRIPTION:x\r\n")),
                   1, at(6, 14, 22, 0), "1"},
        ImportCase{"a monthly rule gives its next occurrence",
                   calendar(event("DTSTART:20260115T080000\r\nRRULE:FREQ=MONTHLY;BYMONTHDAY=15\r\n")), 1,
                   at(6, 15, 8, 0)},
        ImportCase{"an ended series is skipped",
                   calendar(event("DTSTART:20260101T080000\r\nRRULE:FREQ=DAILY;COUNT=3\r\n")), 0, 0, "", 0,
                   1},
        ImportCase{"a to-do's reminder before it is due",
                   calendar("BEGIN:VTODO\r\nUID:t1\r\nDTSTAMP:20260601T000000Z\r\nDUE:20260611T170000\r\n"
                            "BEGIN:VALARM\r\nTRIGGER;RELATED=END:-PT1H\r\nACTION:DISPLAY\r\nDESCRIPTION:x\r\n"
                            "END:VALARM\r\nEND:VTODO\r\n"),
                   1, at(6, 11, 16, 0)}),
    [](const ::testing::TestParamInfo<ImportCase>& row) { return "Row" + std::to_string(row.index); });

TEST(CalendarImportTextTest, TheMessageCannotBreakTheAlarmFile)
{
    const CalendarReading reading =
        readICalendar(calendar(event("DTSTART:20260611T090000\r\nSUMMARY:a^b\\nc\tz\r\n")), "", Now);
    ASSERT_EQ(reading.alarms.size(), 1u);
    EXPECT_EQ(reading.alarms[0].message, "a b c z");
    EXPECT_EQ(reading.alarms[0].uid, "u1");
    EXPECT_FALSE(reading.alarms[0].waveFile) << "a foreign event gets the default sound";
}

TEST(CalendarImportTextTest, WhatLibicalRejectsOrWhatIsTooLargeIsRefused)
{
    EXPECT_THROW(readICalendar("hello", "", Now), ICalendarError);
    EXPECT_THROW(readICalendar(calendar("BEGIN:VEVENT\r\nDTSTART:notatime\r\nEND:VEVENT\r\n"), "", Now),
                 ICalendarError);
    EXPECT_THROW(readICalendar(std::string(ICalendarSizeLimit + 1, ' '), "", Now), ICalendarError);
}

} // namespace
} // namespace klaxora
