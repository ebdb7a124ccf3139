// One calendar object on the server: its address, its ETag and its iCalendar text.
#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QUrl>

namespace klaxora {

struct CalDavObject {
    QUrl url;
    // Empty when the server gave none.
    QByteArray etag;
    QByteArray icalendar;

    // What tells this version from another: the ETag, or the text's own hash where the server has no
    // ETags, so that an unchanged object is recognised there too.
    QByteArray version() const
    {
        return etag.isEmpty()
                   ? "sha256:" + QCryptographicHash::hash(icalendar, QCryptographicHash::Sha256).toHex()
                   : etag;
    }
};

} // namespace klaxora
