// The alarms as an iCalendar text, one VEVENT each (see icalendar_alarm.h).
#pragma once

#include "store/alarm_records.h"
#include "store/date_time.h"
#include "store/owning_list.h"

#include <string>

namespace klaxora {

// `zoneName` is the system's zone (icalendar_zone.h); unknown or empty, the times are floating local
// times. `stamp` is the local time of the export, for each event's DTSTAMP.
std::string alarmsToICalendar(const OwningList<StoredAlarm>& alarms, const std::string& zoneName,
                              DateTime stamp);

} // namespace klaxora
