// The alarms read from a calendar, added to the store as Add Alarm adds them.
#pragma once

#include "store/alarm_store.h"
#include "sync/icalendar_alarm.h"

#include <string>

namespace klaxora {

struct CalendarImport {
    int added = 0;
    int alreadyHere = 0; // an alarm with the same identity is in the store (or earlier in the calendar)
    int refused = 0;     // the store could not keep it
};

// Each alarm whose identity the store does not hold yet; one that names no sound gets `newAlarmWaveFile`.
// Does not write the file.
CalendarImport addCalendarAlarms(AlarmStore& store, const CalendarReading& reading,
                                 const std::string& newAlarmWaveFile);

} // namespace klaxora
