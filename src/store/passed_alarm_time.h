// Whether an alarm at a date and time has passed for good: the store keeps such an alarm out of the list
// and the timer (a date before today, or today more than the 30 seconds of grace ago), so storing it would
// lose it without a word.
#pragma once

#include "store/clock.h"
#include "store/date_time.h"

#include <cmath>

namespace klaxora {

inline bool alarmTimeHasPassed(DateTime date, DateTime timeOfDay, const Clock& clock)
{
    const DateTime today = clock.today();
    if (date != today)
        return date < today;
    // Compared in whole milliseconds, as the store does.
    const auto milliseconds = [](DateTime value) { return std::llround(value * 86400000.0); };
    return milliseconds(clock.timeNow()) > milliseconds(timeOfDay + PendingGrace);
}

} // namespace klaxora
