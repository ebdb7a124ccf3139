// When a reminder (VALARM) of an event or to-do rings: its next trigger to come, or its latest that has
// passed, in local time.
#pragma once

#include "store/date_time.h"
#include "store/repeat_days.h"
#include "sync/icalendar_time.h"

#include <libical/ical.h>

#include <optional>

namespace klaxora {

struct ReminderTriggers {
    std::optional<DateTime> next;     // the first to come
    std::optional<DateTime> lastPast; // the latest that has passed, when none is to come
    RepeatDays weekDays;              // the days the triggers of the week from `next` fall on
    bool acknowledged = false;        // the reminder was answered at or after `lastPast`
};

// `item` is the VEVENT or VTODO, `valarm` one of its reminders; `now` is local time. Without a trigger
// time to go by, neither `next` nor `lastPast` is set.
ReminderTriggers reminderTriggers(icalcomponent* item, icalcomponent* valarm, const CalendarZone& zone,
                                  DateTime now);

} // namespace klaxora
