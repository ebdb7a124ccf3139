// A wall clock over a fake UTC time: UTC milliseconds turned into local time by the system's own time-zone
// rules (localtime_r), so that a simulation meets the real daylight-saving changes of a zone.
#pragma once

#include "store/clock.h"
#include "store/date_time.h"

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace klaxora::test {

// Puts a time zone in force for the process (TZ and tzset) and restores the previous one at its end.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone)
    {
        if (const char* previous = std::getenv("TZ"))
            previous_ = previous;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone()
    {
        if (previous_)
            setenv("TZ", previous_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::optional<std::string> previous_;
};

// Splits UTC milliseconds into whole seconds (rounded down, also before 1970) and the rest.
inline std::tm localFields(long long utcMs, int& millisecond)
{
    long long seconds = utcMs / 1000;
    long long rest = utcMs % 1000;
    if (rest < 0) {
        rest += 1000;
        --seconds;
    }
    millisecond = static_cast<int>(rest);
    const auto time = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&time, &local);
    return local;
}

// Seconds east of UTC in force at that instant.
inline long long utcOffsetSeconds(long long utcMs)
{
    int millisecond = 0;
    return localFields(utcMs, millisecond).tm_gmtoff;
}

// The local wall time of that instant as milliseconds from the program's day 0 (30 December 1899, 25569
// days before 1970), worked out from the zone's offset rather than from calendar fields.
inline long long localWallMs(long long utcMs)
{
    return utcMs + utcOffsetSeconds(utcMs) * 1000 + 25569LL * 86400000;
}

class ZoneClock final : public Clock {
public:
    explicit ZoneClock(long long utcMs) : utcMs_(utcMs) {}

    DateTime now() const override
    {
        int millisecond = 0;
        const std::tm local = localFields(utcMs_, millisecond);
        return encodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
               encodeTime(local.tm_hour, local.tm_min, local.tm_sec, millisecond);
    }

    DateTime universalNow() const override { return 25569.0 + static_cast<double>(utcMs_) / 86400000.0; }

    long long utcMs() const { return utcMs_; }
    void setUtcMs(long long utcMs) { utcMs_ = utcMs; }
    void advanceMs(long long ms) { utcMs_ += ms; }

private:
    long long utcMs_;
};

} // namespace klaxora::test
