// What assistive technology learns of the month calendar, which the program paints itself: a list of the
// shown month's days, each a list item named by its date as MonthCalendar::dateText gives it, the day
// shown being the selected one.
#pragma once

namespace klaxora {

// Makes month calendars known to Qt's accessibility; repeated calls change nothing.
void installMonthCalendarAccessibility();

} // namespace klaxora
