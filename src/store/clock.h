// The local wall clock, behind an interface so that tests and simulations can set the time.
#pragma once

#include "store/date_time.h"

namespace klaxora {

class Clock {
public:
    virtual ~Clock() = default;
    // Current local date and time to the millisecond.
    virtual DateTime now() const = 0;
    // The same moment in universal time, which no daylight-saving change moves. A clock without a time
    // zone has local time only.
    virtual DateTime universalNow() const { return now(); }

    DateTime today() const { return dateOf(now()); }
    DateTime timeNow() const { return timeOf(now()); }
};

// The system's local time (time zone and daylight saving applied).
class SystemClock final : public Clock {
public:
    DateTime now() const override;
    DateTime universalNow() const override;
};

// A clock that stands still until it is set or advanced.
class FakeClock final : public Clock {
public:
    explicit FakeClock(DateTime now = 0) : now_(now) {}
    DateTime now() const override { return now_; }
    void set(DateTime now) { now_ = now; }
    void advanceSeconds(double seconds) { now_ += seconds / 86400.0; }

private:
    DateTime now_;
};

} // namespace klaxora
