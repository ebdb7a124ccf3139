#include "sync/caldav_discovery.h"

#include "sync/caldav_multistatus.h"
#include "sync/caldav_requests.h"

#include <QUuid>

namespace klaxora {

namespace {

bool isCalendar(const DavResponse& response)
{
    return response.properties.value(davName("resourcetype")).elements.contains(calDavName("calendar"));
}

// A calendar that names no components takes them all.
bool takesEvents(const DavResponse& response)
{
    const DavProperty components = response.properties.value(calDavName("supported-calendar-component-set"));
    return components.names.isEmpty() || components.names.contains("VEVENT", Qt::CaseInsensitive);
}

// The address a property names, empty when it names none.
QUrl firstHref(const DavResponse& response, const QString& property)
{
    return response.properties.value(property).hrefs.value(0);
}

QString displayName(const DavResponse& response)
{
    const QString name = response.text(davName("displayname"));
    return name.isEmpty() ? response.url.path().section('/', -2, -2) : name;
}

} // namespace

CalDavDiscovery::CalDavDiscovery(CalDavTransport& transport, QObject* parent)
    : QObject(parent), transport_(transport)
{
}

void CalDavDiscovery::discover(const QUrl& address, std::function<void(const CalDavDiscoveryResult&)> done)
{
    lookAt(address, false, address, done);
}

void CalDavDiscovery::lookAt(const QUrl& url, bool wellKnownTried, const QUrl& address, const Done& done)
{
    const QStringList properties{davName("resourcetype"), davName("displayname"),
                                 davName("current-user-principal"), calDavName("calendar-home-set"),
                                 calDavName("supported-calendar-component-set")};
    transport_.send(caldav_requests::propfind(url, 0, properties), this,
                    [this, wellKnownTried, address, done](const CalDavResponse& response) {
                        if (!response.error.isEmpty()) {
                            fail(done, response.error);
                            return;
                        }
                        QString error;
                        const std::optional<DavResponse> found = single(response, error);
                        if (response.succeeded() && !found) {
                            fail(done, error);
                            return;
                        }
                        if (found && isCalendar(*found)) {
                            CalDavDiscoveryResult result;
                            result.calendarUrl = found->url;
                            result.calendars.append({found->url, displayName(*found)});
                            done(result);
                        } else if (found && !firstHref(*found, calDavName("calendar-home-set")).isEmpty()) {
                            listHome(firstHref(*found, calDavName("calendar-home-set")), done);
                        } else if (found && !firstHref(*found, davName("current-user-principal")).isEmpty()) {
                            askPrincipal(firstHref(*found, davName("current-user-principal")), done);
                        } else if (!wellKnownTried) {
                            lookAt(address.resolved(QUrl("/.well-known/caldav")), true, address, done);
                        } else {
                            fail(done,
                                 tr("No CalDAV calendars were found at %1.").arg(address.toDisplayString()));
                        }
                    });
}

void CalDavDiscovery::askPrincipal(const QUrl& principal, const Done& done)
{
    transport_.send(
        caldav_requests::propfind(principal, 0, {calDavName("calendar-home-set")}), this,
        [this, done](const CalDavResponse& response) {
            QString error;
            const std::optional<DavResponse> found = single(response, error);
            if (!found) {
                fail(done, error);
            } else if (firstHref(*found, calDavName("calendar-home-set")).isEmpty()) {
                fail(done,
                     tr("The server %1 names no calendar home for this account.").arg(response.url.host()));
            } else {
                listHome(firstHref(*found, calDavName("calendar-home-set")), done);
            }
        });
}

void CalDavDiscovery::listHome(const QUrl& home, const Done& done)
{
    const QStringList properties{davName("resourcetype"), davName("displayname"),
                                 calDavName("supported-calendar-component-set")};
    transport_.send(caldav_requests::propfind(home, 1, properties), this,
                    [home, done](const CalDavResponse& response) {
                        QString error;
                        std::optional<DavMultistatus> listing;
                        if (!response.succeeded()) {
                            error = CalDavTransport::unexpectedStatus(response);
                        } else {
                            listing = DavMultistatusReader::read(response.body, response.url, error);
                        }
                        if (!listing) {
                            fail(done, error);
                            return;
                        }
                        CalDavDiscoveryResult result;
                        result.homeUrl = home;
                        for (const DavResponse& entry : std::as_const(listing->responses)) {
                            if (isCalendar(entry) && takesEvents(entry)) {
                                result.calendars.append({entry.url, displayName(entry)});
                            }
                        }
                        done(result);
                    });
}

void CalDavDiscovery::makeCalendar(const QUrl& homeUrl, const QString& displayName,
                                   std::function<void(const CalDavCalendarMade&)> done)
{
    QUrl home = homeUrl;
    if (!home.path().endsWith('/')) {
        home.setPath(home.path() + '/');
    }
    const QUrl url = home.resolved(QUrl(QUuid::createUuid().toString(QUuid::WithoutBraces) + '/'));
    transport_.send(caldav_requests::mkcalendar(url, displayName), this,
                    [url, displayName, done](const CalDavResponse& response) {
                        CalDavCalendarMade made;
                        if (response.succeeded()) {
                            made.calendar = {url, displayName};
                        } else {
                            made.error = CalDavTransport::unexpectedStatus(response);
                        }
                        done(made);
                    });
}

std::optional<DavResponse> CalDavDiscovery::single(const CalDavResponse& response, QString& error)
{
    if (!response.succeeded()) {
        error = CalDavTransport::unexpectedStatus(response);
        return std::nullopt;
    }
    std::optional<DavMultistatus> answer = DavMultistatusReader::read(response.body, response.url, error);
    if (!answer) {
        return std::nullopt;
    }
    if (answer->responses.isEmpty()) {
        return DavResponse{};
    }
    return answer->responses.first();
}

void CalDavDiscovery::fail(const Done& done, const QString& error)
{
    CalDavDiscoveryResult result;
    result.error = error;
    done(result);
}

} // namespace klaxora
