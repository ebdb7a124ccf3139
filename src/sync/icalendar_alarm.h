// The alarms of an iCalendar (RFC 5545) text as this program keeps them, and the bounds of such a text.
// An alarm is one VEVENT with a stable UID, DTSTART at the alarm's local time, SUMMARY the message, one
// VALARM at the start (DISPLAY, or AUDIO for "sound only"), a weekly RRULE for a repeating alarm, and
// the mode and sound in X-KLAXORA- properties so that a round trip loses nothing.
#pragma once

#include "store/alarm_records.h"
#include "store/date_time.h"
#include "store/repeat_days.h"
#include "store/translatable.h"
#include "store/user_error.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace klaxora {

// Larger texts are refused unread.
constexpr std::size_t ICalendarSizeLimit = 50u * 1024u * 1024u;
// The years whose times libical writes as they are: later ones come out as zeros, earlier ones are moved
// by the zones' old local mean times. Alarms outside them are neither read nor written.
constexpr int CalendarFirstYear = 1900;
constexpr int CalendarLastYear = 3000;

// A text that is too large, or that libical does not accept as iCalendar. The reason is a text marked
// for translation (context "CommandReply"); its %1 stands for libical's own complaint, if any.
class ICalendarError : public UserError {
public:
    explicit ICalendarError(const char* reason, const std::string& detail = {})
        : UserError(UserText{"CommandReply", reason, {UserText{nullptr, detail, {}}}})
    {
    }
};

// One alarm read from a calendar, in local time.
struct CalendarAlarm {
    DateTime date = 0; // its trigger's day; of a repeating alarm, the first occurrence to come
    DateTime time = 0; // its trigger's time of day, whole seconds
    std::string message;
    std::optional<std::string> waveFile; // none: the calendar names no sound, a new alarm's default applies
    AlarmMode mode = amMessageAndSound;
    RepeatDays repeatDays;
    // The next occurrence of a series whose rule this program cannot hold as a repeating alarm.
    bool nextOfSeries = false;
    std::string uid;
};

// What a calendar text holds for this program.
struct CalendarReading {
    std::vector<CalendarAlarm> alarms;
    int withoutReminder = 0; // events and to-dos without a VALARM
    int passed = 0;          // their reminders have all passed and were answered, or the series ended
    int withoutTime = 0;     // no start, due or trigger time to go by
};

} // namespace klaxora
