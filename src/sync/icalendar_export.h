// The alarms as an iCalendar text, one VEVENT each (see icalendar_alarm.h).
#pragma once

#include "store/alarm_records.h"
#include "store/date_time.h"
#include "store/owning_list.h"
#include "sync/icalendar_alarm.h"

#include <string>

namespace klaxora {

struct CalendarExport {
    std::string text;
    int alarms = 0; // those dated CalendarFirstYear to CalendarLastYear; the others are left out
};

// `zoneName` is the system's zone (icalendar_zone.h); unknown or empty, the times are floating local
// times. `stamp` is the local time of the export, for each event's DTSTAMP.
CalendarExport alarmsToICalendar(const OwningList<StoredAlarm>& alarms, const std::string& zoneName,
                                 DateTime stamp);

} // namespace klaxora
