#include "store/clock.h"

#include <chrono>
#include <ctime>

namespace klaxora {

DateTime SystemClock::now() const
{
    using namespace std::chrono;
    const auto sinceEpoch = floor<milliseconds>(system_clock::now().time_since_epoch()).count();
    const auto wholeSeconds = sinceEpoch / 1000 - (sinceEpoch % 1000 < 0 ? 1 : 0);
    const auto millisecond = static_cast<int>(sinceEpoch - wholeSeconds * 1000);
    const auto seconds = static_cast<std::time_t>(wholeSeconds);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    return encodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           encodeTime(local.tm_hour, local.tm_min, local.tm_sec < 60 ? local.tm_sec : 59 /* leap second */,
                      millisecond);
}

} // namespace klaxora
