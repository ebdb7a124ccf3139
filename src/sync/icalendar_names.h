// The names this program's own iCalendar properties use, shared by the writer and the reader.
#pragma once

#include "store/alarm_records.h"

#include <libical/ical.h>

#include <array>
#include <string_view>

namespace klaxora {

constexpr const char* ModeProperty = "X-KLAXORA-MODE";
constexpr const char* SoundProperty = "X-KLAXORA-SOUND";
constexpr const char* MessageProperty = "X-KLAXORA-MESSAGE"; // in quotes, for blanks at its ends
constexpr std::array<std::string_view, 3> CalendarModeNames{"both", "message", "sound"};
// RRULE's BYDAY from Sunday on, as RepeatDays counts (1 Sunday ... 7 Saturday).
constexpr std::array<icalrecurrencetype_weekday, 7> CalendarWeekdays{
    ICAL_SUNDAY_WEEKDAY,   ICAL_MONDAY_WEEKDAY, ICAL_TUESDAY_WEEKDAY, ICAL_WEDNESDAY_WEEKDAY,
    ICAL_THURSDAY_WEEKDAY, ICAL_FRIDAY_WEEKDAY, ICAL_SATURDAY_WEEKDAY};

} // namespace klaxora
