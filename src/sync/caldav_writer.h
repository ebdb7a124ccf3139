// Writes one calendar object: a new one only where none is (If-None-Match: *), a change or a deletion only
// of the version last read (If-Match on its ETag). The address of a new object is the caller's, from the
// event's UID, so that a retry after a failure goes to the same address: if the first try was stored
// after all, the retry finds it there and is done, not a second event. When the server has another
// version, that version comes back as a conflict.
#pragma once

#include "sync/caldav_object.h"
#include "sync/caldav_transport.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

namespace klaxora {

struct CalDavWriteResult {
    enum class Outcome {
        Done,
        // Someone else changed the object: `object` is the server's version.
        Conflict,
        // The object is no longer on the server.
        Gone,
        // Nothing is known to have changed; `error` says why. Retry with the same address.
        Failed,
    };
    Outcome outcome = Outcome::Failed;
    // Done: the object as written, with its new ETag (empty when the server sent none).
    CalDavObject object;
    QString error;
};

class CalDavWriter : public QObject {
    Q_OBJECT

public:
    using Done = std::function<void(const CalDavWriteResult&)>;

    explicit CalDavWriter(CalDavTransport& transport, QObject* parent = nullptr);

    // The address of the object for the event with this UID in `collection`.
    static QUrl objectUrl(const QUrl& collection, const QString& uid);

    void create(const QUrl& url, const QByteArray& icalendar, Done done);
    void change(const QUrl& url, const QByteArray& etag, const QByteArray& icalendar, Done done);
    void remove(const QUrl& url, const QByteArray& etag, Done done);

private:
    // The precondition failed: what the server has decides between done (it is what was sent, stored by
    // an earlier try), a conflict and gone.
    void compareWithServer(const QUrl& url, const QByteArray& sent, const Done& done);

    CalDavTransport& transport_;
};

} // namespace klaxora
