// The local wall clock, behind an interface so that tests and simulations can set the time.
#pragma once

#include "store/date_time.h"

namespace klaxora {

class Clock {
public:
    virtual ~Clock() = default;
    // Current local date and time to the millisecond.
    virtual TDateTime Now() const = 0;

    TDateTime Today() const { return DateOf(Now()); }
    TDateTime TimeNow() const { return TimeOf(Now()); }
};

// The system's local time (time zone and daylight saving applied).
class SystemClock final : public Clock {
public:
    TDateTime Now() const override;
};

// A clock that stands still until it is set or advanced.
class FakeClock final : public Clock {
public:
    explicit FakeClock(TDateTime now = 0) : now_(now) {}
    TDateTime Now() const override { return now_; }
    void Set(TDateTime now) { now_ = now; }
    void AdvanceSeconds(double seconds) { now_ += seconds / 86400.0; }

private:
    TDateTime now_;
};

} // namespace klaxora
