#include "sync/caldav_collection_reader.h"

#include "sync/caldav_multistatus.h"
#include "sync/caldav_requests.h"

namespace klaxora {

namespace {

QString withoutTrailingSlash(const QUrl& url)
{
    QString path = url.path();
    while (path.endsWith('/')) {
        path.chop(1);
    }
    return path;
}

bool isCollection(const DavResponse& entry, const QUrl& collection)
{
    return withoutTrailingSlash(entry.url) == withoutTrailingSlash(collection) ||
           entry.properties.value(davName("resourcetype")).elements.contains(davName("collection"));
}

bool isGone(int status)
{
    return status == 404 || status == 410;
}

bool isTruncated(const DavMultistatus& listing, const QUrl& collection)
{
    for (const DavResponse& entry : listing.responses) {
        if (entry.status == 507 && withoutTrailingSlash(entry.url) == withoutTrailingSlash(collection)) {
            return true;
        }
    }
    return false;
}

} // namespace

struct CalDavCollectionReader::Reading {
    QUrl collection;
    QHash<QUrl, QByteArray> known;
    // The listing is of every object, so that a known one not in it is gone.
    bool complete = false;
    QSet<QUrl> listed;
    std::function<void(const CalDavChanges&)> done;
    // The objects to fetch, with the ETag the listing gave (empty when none).
    QHash<QUrl, QByteArray> toFetch;
    QList<QUrl> waiting;
    CalDavChanges changes;
};

CalDavCollectionReader::CalDavCollectionReader(CalDavTransport& transport, QObject* parent)
    : QObject(parent), transport_(transport)
{
}

void CalDavCollectionReader::read(const QUrl& collection, const QString& syncToken,
                                  const QHash<QUrl, QByteArray>& known,
                                  std::function<void(const CalDavChanges&)> done)
{
    auto reading = std::make_shared<Reading>();
    reading->collection = collection;
    reading->known = known;
    reading->done = std::move(done);
    if (withoutSync_.contains(collection)) {
        listByEtags(reading);
        return;
    }
    // Without a token the server lists every object.
    reading->complete = syncToken.isEmpty();
    askChanges(reading, syncToken);
}

void CalDavCollectionReader::askChanges(const std::shared_ptr<Reading>& reading, const QString& syncToken)
{
    transport_.send(caldav_requests::syncCollection(reading->collection, syncToken), this,
                    [this, reading, syncToken](const CalDavResponse& response) {
                        if (!response.error.isEmpty()) {
                            fail(reading, response.error);
                            return;
                        }
                        if (!response.succeeded()) {
                            // Not offered, or the token is no longer valid: compare ETags instead.
                            if (syncToken.isEmpty()) {
                                withoutSync_.insert(reading->collection);
                            }
                            listByEtags(reading);
                            return;
                        }
                        const std::optional<DavMultistatus> listing = multistatusOrFail(reading, response);
                        if (!listing)
                            return;
                        takeListing(*reading, *listing);
                        // A server that sends its changes in parts marks all but the last with 507.
                        if (isTruncated(*listing, reading->collection) && !listing->syncToken.isEmpty() &&
                            listing->syncToken != syncToken) {
                            askChanges(reading, listing->syncToken);
                            return;
                        }
                        reading->changes.syncToken = listing->syncToken;
                        takeRemovals(*reading);
                        fetchWithMultiget(reading);
                    });
}

void CalDavCollectionReader::listByEtags(const std::shared_ptr<Reading>& reading)
{
    // What a sync-collection part gave is listed again.
    reading->toFetch.clear();
    reading->listed.clear();
    reading->changes = {};
    reading->complete = true;
    const QStringList properties{davName("getetag"), davName("resourcetype")};
    transport_.send(caldav_requests::propfind(reading->collection, 1, properties), this,
                    [this, reading](const CalDavResponse& response) {
                        if (!response.succeeded()) {
                            fail(reading, CalDavTransport::unexpectedStatus(response));
                            return;
                        }
                        const std::optional<DavMultistatus> listing = multistatusOrFail(reading, response);
                        if (!listing)
                            return;
                        takeListing(*reading, *listing);
                        takeRemovals(*reading);
                        fetchWithMultiget(reading);
                    });
}

void CalDavCollectionReader::takeListing(Reading& reading, const DavMultistatus& listing)
{
    for (const DavResponse& entry : listing.responses) {
        if (entry.url.isEmpty() || isCollection(entry, reading.collection)) {
            continue;
        }
        if (isGone(entry.status)) {
            if (reading.known.contains(entry.url) && !reading.changes.removed.contains(entry.url)) {
                reading.changes.removed.append(entry.url);
            }
            continue;
        }
        reading.listed.insert(entry.url);
        const QByteArray etag = entry.text(davName("getetag")).toUtf8();
        // Without an ETag only the text tells whether it changed.
        if (etag.isEmpty() || reading.known.value(entry.url) != etag) {
            reading.toFetch.insert(entry.url, etag);
        }
    }
}

void CalDavCollectionReader::takeRemovals(Reading& reading)
{
    if (!reading.complete) {
        return;
    }
    for (auto known = reading.known.cbegin(); known != reading.known.cend(); ++known) {
        if (!reading.listed.contains(known.key()) && !reading.changes.removed.contains(known.key())) {
            reading.changes.removed.append(known.key());
        }
    }
}

void CalDavCollectionReader::fetchWithMultiget(const std::shared_ptr<Reading>& reading)
{
    if (reading->toFetch.isEmpty()) {
        finish(reading);
        return;
    }
    transport_.send(caldav_requests::multiget(reading->collection, reading->toFetch.keys()), this,
                    [this, reading](const CalDavResponse& response) {
                        if (!response.error.isEmpty()) {
                            fail(reading, response.error);
                            return;
                        }
                        reading->waiting = reading->toFetch.keys();
                        if (!response.succeeded()) {
                            fetchOneByOne(reading);
                            return;
                        }
                        const std::optional<DavMultistatus> answer = multistatusOrFail(reading, response);
                        if (!answer)
                            return;
                        for (const DavResponse& entry : answer->responses) {
                            if (!reading->toFetch.contains(entry.url)) {
                                continue;
                            }
                            if (isGone(entry.status)) {
                                reading->waiting.removeAll(entry.url);
                                if (reading->known.contains(entry.url)) {
                                    reading->changes.removed.append(entry.url);
                                }
                            } else if (entry.has(calDavName("calendar-data"))) {
                                reading->waiting.removeAll(entry.url);
                                QByteArray etag = entry.text(davName("getetag")).toUtf8();
                                reading->changes.changed.append(
                                    {entry.url, etag.isEmpty() ? reading->toFetch.value(entry.url) : etag,
                                     entry.properties.value(calDavName("calendar-data")).text.toUtf8()});
                            }
                        }
                        // What the answer left out is fetched on its own.
                        fetchOneByOne(reading);
                    });
}

void CalDavCollectionReader::fetchOneByOne(const std::shared_ptr<Reading>& reading)
{
    if (reading->waiting.isEmpty()) {
        finish(reading);
        return;
    }
    const QUrl url = reading->waiting.takeFirst();
    transport_.send(caldav_requests::get(url), this, [this, reading, url](const CalDavResponse& response) {
        if (response.error.isEmpty() && isGone(response.status)) {
            if (reading->known.contains(url)) {
                reading->changes.removed.append(url);
            }
        } else if (response.succeeded()) {
            reading->changes.changed.append(
                {url, response.etag.isEmpty() ? reading->toFetch.value(url) : response.etag, response.body});
        } else {
            fail(reading, CalDavTransport::unexpectedStatus(response));
            return;
        }
        fetchOneByOne(reading);
    });
}

void CalDavCollectionReader::finish(const std::shared_ptr<Reading>& reading)
{
    // An object fetched for want of an ETag is news only when its text differs.
    QList<CalDavObject>& changed = reading->changes.changed;
    changed.removeIf(
        [&](const CalDavObject& object) { return reading->known.value(object.url) == object.version(); });
    reading->done(reading->changes);
}

void CalDavCollectionReader::fail(const std::shared_ptr<Reading>& reading, const QString& error)
{
    CalDavChanges failed;
    failed.error = error;
    reading->done(failed);
}

std::optional<DavMultistatus>
CalDavCollectionReader::multistatusOrFail(const std::shared_ptr<Reading>& reading,
                                          const CalDavResponse& response)
{
    QString error;
    std::optional<DavMultistatus> multistatus =
        DavMultistatusReader::read(response.body, response.url, error);
    if (!multistatus)
        fail(reading, error);
    return multistatus;
}

} // namespace klaxora
