#include "sync/icalendar_time.h"

#include <cmath>
#include <ctime>

namespace klaxora {

CalendarZone::CalendarZone(const std::string& zoneName)
{
    if (zoneName == "UTC" || zoneName == "Etc/UTC")
        zone_ = icaltimezone_get_utc_timezone();
    else if (!zoneName.empty())
        zone_ = icaltimezone_get_builtin_timezone(zoneName.c_str());
}

icaltimetype CalendarZone::toCalendar(DateTime dateTime) const
{
    const CivilDate date = decodeDate(dateTime);
    const ClockTime time = decodeTime(dateTime);
    icaltimetype calendar = icaltime_null_time();
    calendar.year = date.year;
    calendar.month = date.month;
    calendar.day = date.day;
    calendar.hour = time.hour;
    calendar.minute = time.minute;
    calendar.second = time.second;
    return zone_ != nullptr ? icaltime_set_timezone(&calendar, zone_) : calendar;
}

DateTime CalendarZone::toLocal(icaltimetype time) const
{
    if (time.is_date) {
        time.is_date = 0;
        time.hour = time.minute = time.second = 0;
    }
    const bool floating = time.zone == nullptr && !icaltime_is_utc(time);
    if (!floating) {
        if (zone_ != nullptr) {
            time = icaltime_convert_to_zone(time, zone_);
        } else {
            const std::time_t moment = icaltime_as_timet_with_zone(time, time.zone);
            std::tm local{};
            localtime_r(&moment, &local);
            time.year = local.tm_year + 1900;
            time.month = local.tm_mon + 1;
            time.day = local.tm_mday;
            time.hour = local.tm_hour;
            time.minute = local.tm_min;
            time.second = local.tm_sec;
        }
    }
    return encodeDate(time.year, time.month, time.day) + encodeTime(time.hour, time.minute, time.second, 0);
}

} // namespace klaxora
