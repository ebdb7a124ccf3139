// The CalDAV client's requests: their methods, precondition headers and XML bodies.
#pragma once

#include "sync/caldav_transport.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace klaxora::caldav_requests {

// PROPFIND of the properties named in Clark notation, "{namespace}name"; depth 0 or 1.
CalDavRequest propfind(const QUrl& url, int depth, const QStringList& properties);
// MKCALENDAR of a calendar for events with this display name.
CalDavRequest mkcalendar(const QUrl& url, const QString& displayName);
// The RFC 6578 sync-collection REPORT of the ETags changed since `syncToken` (all of them when empty).
CalDavRequest syncCollection(const QUrl& collection, const QString& syncToken);
// The calendar-multiget REPORT of these objects' ETags and data.
CalDavRequest multiget(const QUrl& collection, const QList<QUrl>& objects);
CalDavRequest get(const QUrl& object);
// A PUT that only makes a new object (If-None-Match: *), or one that only replaces the version with this
// ETag (If-Match; unconditional when the server gave none).
CalDavRequest putNew(const QUrl& object, const QByteArray& icalendar);
CalDavRequest putChange(const QUrl& object, const QByteArray& etag, const QByteArray& icalendar);
CalDavRequest remove(const QUrl& object, const QByteArray& etag);

} // namespace klaxora::caldav_requests
