// Between this program's local DateTime and libical's times, in the zone the alarms are kept in.
#pragma once

#include "store/date_time.h"

#include <libical/ical.h>

#include <string>

namespace klaxora {

class CalendarZone {
public:
    // `zoneName` from the zone database; empty or unknown to libical, times are floating local times and
    // zoned or universal times are taken to local time as the C library's time zone has it.
    explicit CalendarZone(const std::string& zoneName);

    // Null for floating time.
    icaltimezone* zone() const { return zone_; }
    // A date and time of day, whole seconds, as a time in this zone.
    icaltimetype toCalendar(DateTime dateTime) const;
    // Any time (a date alone is its midnight) as local date and time.
    DateTime toLocal(icaltimetype time) const;

private:
    icaltimezone* zone_ = nullptr;
};

} // namespace klaxora
