#include "sync/caldav_own_calendar.h"

namespace klaxora {

CalDavOwnCalendar::CalDavOwnCalendar(CalDavTransport& transport, QObject* parent)
    : QObject(parent), discovery_(transport)
{
}

void CalDavOwnCalendar::find(const QUrl& address, std::function<void(const CalDavCalendarMade&)> done)
{
    discovery_.discover(address, [this, done](const CalDavDiscoveryResult& found) {
        if (!found.error.isEmpty()) {
            done({found.error, {}});
            return;
        }
        if (!found.calendarUrl.isEmpty()) {
            done({{}, found.calendars.first()});
            return;
        }
        for (const CalDavCalendar& calendar : found.calendars) {
            if (calendar.displayName == displayName) {
                done({{}, calendar});
                return;
            }
        }
        discovery_.makeCalendar(found.homeUrl, displayName, done);
    });
}

} // namespace klaxora
