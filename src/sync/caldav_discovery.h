// Finds the calendars of the user's account on a CalDAV server (RFC 4791, RFC 6764): the address as it
// is when it names a calendar; else its current-user-principal (or that of /.well-known/caldav), the
// principal's calendar-home-set, and the calendars for events in the home set. Makes a calendar there
// with MKCALENDAR.
#pragma once

#include "sync/caldav_multistatus.h"
#include "sync/caldav_transport.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

namespace klaxora {

struct CalDavCalendar {
    QUrl url;
    QString displayName;
};

struct CalDavDiscoveryResult {
    // Empty when the calendars were found.
    QString error;
    // The address given, when it is a calendar's own; the home set and its calendars are then not looked
    // up.
    QUrl calendarUrl;
    QUrl homeUrl;
    QList<CalDavCalendar> calendars;
};

struct CalDavCalendarMade {
    QString error;
    CalDavCalendar calendar;
};

class CalDavDiscovery : public QObject {
    Q_OBJECT

public:
    explicit CalDavDiscovery(CalDavTransport& transport, QObject* parent = nullptr);

    void discover(const QUrl& address, std::function<void(const CalDavDiscoveryResult&)> done);
    void makeCalendar(const QUrl& homeUrl, const QString& displayName,
                      std::function<void(const CalDavCalendarMade&)> done);

private:
    using Done = std::function<void(const CalDavDiscoveryResult&)>;
    void lookAt(const QUrl& url, bool wellKnownTried, const QUrl& address, const Done& done);
    void askPrincipal(const QUrl& principal, const Done& done);
    void listHome(const QUrl& home, const Done& done);
    // The one response of a depth-0 PROPFIND, or an error.
    static std::optional<DavResponse> single(const CalDavResponse& response, QString& error);
    static void fail(const Done& done, const QString& error);

    CalDavTransport& transport_;
};

} // namespace klaxora
