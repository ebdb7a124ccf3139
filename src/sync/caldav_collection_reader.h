// Reads what changed in a calendar collection since the last read: with an RFC 6578 sync-collection
// REPORT where the server offers it, else by comparing the ETags of a depth-1 PROPFIND with the versions
// known. The objects that changed are then fetched with one calendar-multiget REPORT, or one GET each
// where that is not offered. An object the server gives no ETag for is fetched and compared by its text.
// Any failure reports an error and no changes at all, so that nothing is taken for deleted.
#pragma once

#include "sync/caldav_object.h"
#include "sync/caldav_transport.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

namespace klaxora {

struct DavMultistatus;

struct CalDavChanges {
    // Empty when the read succeeded.
    QString error;
    // New on the server, or changed since the version known.
    QList<CalDavObject> changed;
    // Known and gone from the server.
    QList<QUrl> removed;
    // For the next read; empty when the server keeps none.
    QString syncToken;
};

class CalDavCollectionReader : public QObject {
    Q_OBJECT

public:
    explicit CalDavCollectionReader(CalDavTransport& transport, QObject* parent = nullptr);

    // `known` maps each object's address to its CalDavObject::version(); `syncToken` is the last read's.
    void read(const QUrl& collection, const QString& syncToken, const QHash<QUrl, QByteArray>& known,
              std::function<void(const CalDavChanges&)> done);

private:
    struct Reading;
    void askChanges(const std::shared_ptr<Reading>& reading, const QString& syncToken);
    void listByEtags(const std::shared_ptr<Reading>& reading);
    // Sorts a listing's entries into those to fetch and those gone.
    static void takeListing(Reading& reading, const DavMultistatus& listing);
    // After a complete listing: the known objects it left out are gone.
    static void takeRemovals(Reading& reading);
    void fetchWithMultiget(const std::shared_ptr<Reading>& reading);
    void fetchOneByOne(const std::shared_ptr<Reading>& reading);
    void finish(const std::shared_ptr<Reading>& reading);
    static void fail(const std::shared_ptr<Reading>& reading, const QString& error);
    // The answer's multistatus; an answer that cannot be read fails the reading.
    static std::optional<DavMultistatus> multistatusOrFail(const std::shared_ptr<Reading>& reading,
                                                           const CalDavResponse& response);

    CalDavTransport& transport_;
    // Collections whose server refused sync-collection: they are read by ETags from then on.
    QSet<QUrl> withoutSync_;
};

} // namespace klaxora
