#include "store/clock.h"

#include <chrono>
#include <ctime>

namespace klaxora {

namespace {

// The system time broken down in the local zone, or in universal time.
DateTime systemTime(bool local)
{
    using namespace std::chrono;
    const auto sinceEpoch = floor<milliseconds>(system_clock::now().time_since_epoch()).count();
    const auto wholeSeconds = sinceEpoch / 1000 - (sinceEpoch % 1000 < 0 ? 1 : 0);
    const auto millisecond = static_cast<int>(sinceEpoch - wholeSeconds * 1000);
    const auto seconds = static_cast<std::time_t>(wholeSeconds);
    std::tm fields{};
#ifdef _WIN32
    local ? localtime_s(&fields, &seconds) : gmtime_s(&fields, &seconds);
#else
    local ? localtime_r(&seconds, &fields) : gmtime_r(&seconds, &fields);
#endif
    return encodeDate(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday) +
           encodeTime(fields.tm_hour, fields.tm_min,
                      fields.tm_sec < 60 ? fields.tm_sec : 59 /* leap second */, millisecond);
}

} // namespace

DateTime SystemClock::now() const
{
    return systemTime(true);
}

DateTime SystemClock::universalNow() const
{
    return systemTime(false);
}

} // namespace klaxora
