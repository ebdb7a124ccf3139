// Whether an alarm at a date and time has passed for good (a date before today, or today more than the 30
// seconds of grace ago): the store would keep it as missed, so a new alarm there is refused instead.
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
