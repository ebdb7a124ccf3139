#include "sync/caldav_writer.h"

#include "sync/caldav_multistatus.h"
#include "sync/caldav_requests.h"

namespace klaxora {

namespace {

using Outcome = CalDavWriteResult::Outcome;

CalDavWriteResult failed(const CalDavResponse& response)
{
    return {Outcome::Failed, {}, CalDavTransport::unexpectedStatus(response)};
}

// Servers may store the text with other line ends.
bool sameText(QByteArray a, QByteArray b)
{
    return a.replace("\r\n", "\n").trimmed() == b.replace("\r\n", "\n").trimmed();
}

} // namespace

CalDavWriter::CalDavWriter(CalDavTransport& transport, QObject* parent)
    : QObject(parent), transport_(transport)
{
}

QUrl CalDavWriter::objectUrl(const QUrl& collection, const QString& uid)
{
    QUrl folder = collection;
    if (!folder.path().endsWith('/')) {
        folder.setPath(folder.path() + '/');
    }
    // A UID may hold any character; as a path segment it is escaped whole.
    return davResolve(folder, QString::fromLatin1(QUrl::toPercentEncoding(uid + ".ics")));
}

void CalDavWriter::create(const QUrl& url, const QByteArray& icalendar, Done done)
{
    transport_.send(caldav_requests::putNew(url, icalendar), this,
                    [this, url, icalendar, done](const CalDavResponse& response) {
                        if (response.succeeded()) {
                            done({Outcome::Done, {url, response.etag, icalendar}, {}});
                        } else if (response.error.isEmpty() && response.status == 412) {
                            compareWithServer(url, icalendar, done);
                        } else {
                            done(failed(response));
                        }
                    });
}

void CalDavWriter::change(const QUrl& url, const QByteArray& etag, const QByteArray& icalendar, Done done)
{
    transport_.send(
        caldav_requests::putChange(url, etag, icalendar), this,
        [this, url, icalendar, done](const CalDavResponse& response) {
            if (response.succeeded()) {
                done({Outcome::Done, {url, response.etag, icalendar}, {}});
            } else if (response.error.isEmpty() && (response.status == 412 || response.status == 409)) {
                compareWithServer(url, icalendar, done);
            } else if (response.error.isEmpty() && (response.status == 404 || response.status == 410)) {
                done({Outcome::Gone, {}, {}});
            } else {
                done(failed(response));
            }
        });
}

void CalDavWriter::remove(const QUrl& url, const QByteArray& etag, Done done)
{
    transport_.send(
        caldav_requests::remove(url, etag), this, [this, url, done](const CalDavResponse& response) {
            if (response.succeeded()) {
                done({Outcome::Done, {url, {}, {}}, {}});
            } else if (response.error.isEmpty() && (response.status == 404 || response.status == 410)) {
                done({Outcome::Gone, {}, {}});
            } else if (response.error.isEmpty() && response.status == 412) {
                // Nothing sent to compare with: any version there is another's.
                compareWithServer(url, {}, done);
            } else {
                done(failed(response));
            }
        });
}

void CalDavWriter::compareWithServer(const QUrl& url, const QByteArray& sent, const Done& done)
{
    transport_.send(caldav_requests::get(url), this, [url, sent, done](const CalDavResponse& response) {
        if (response.succeeded()) {
            const CalDavObject current{url, response.etag, response.body};
            done({!sent.isEmpty() && sameText(sent, response.body) ? Outcome::Done : Outcome::Conflict,
                  current,
                  {}});
        } else if (response.error.isEmpty() && (response.status == 404 || response.status == 410)) {
            done({Outcome::Gone, {}, {}});
        } else {
            done(failed(response));
        }
    });
}

} // namespace klaxora
