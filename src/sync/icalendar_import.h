// Reading an iCalendar text: every VEVENT or VTODO with a VALARM whose next trigger is to come, or has
// passed unanswered, is an alarm at that trigger; a weekly or daily RRULE this program can hold is a
// repeating alarm, any other RRULE its next occurrence. Events without VALARM are counted, not read.
#pragma once

#include "sync/icalendar_alarm.h"

#include <string>
#include <string_view>

namespace klaxora {

// `zoneName` is the zone of the local times (icalendar_zone.h), `now` the local time. Throws
// ICalendarError for a text larger than ICalendarSizeLimit, or that libical rejects.
CalendarReading readICalendar(std::string_view text, const std::string& zoneName, DateTime now);

} // namespace klaxora
