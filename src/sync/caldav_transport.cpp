#include "sync/caldav_transport.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QSslError>

namespace klaxora {

namespace {

constexpr int maxRedirects = 5;

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

} // namespace

struct CalDavTransport::Exchange {
    CalDavRequest request;
    QUrl origin;
    int redirects = 0;
    QPointer<QObject> context;
    std::function<void(const CalDavResponse&)> done;
    QByteArray body;
    bool tooLarge = false;
    QString certificateProblem;
};

CalDavTransport::CalDavTransport(CalDavRequestPolicy policy, CalDavCredentials credentials, QObject* parent)
    : QObject(parent), policy_(policy), credentials_(std::move(credentials))
{
    // The redirects are ours to follow.
    network_.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

void CalDavTransport::send(const CalDavRequest& request, QObject* context,
                           std::function<void(const CalDavResponse&)> done)
{
    auto exchange = std::make_shared<Exchange>();
    exchange->request = request;
    exchange->origin = request.url;
    exchange->context = context;
    exchange->done = std::move(done);
    start(exchange);
}

void CalDavTransport::start(const std::shared_ptr<Exchange>& exchange)
{
    const QString refusal = policy_.refusal(exchange->request.url);
    if (!refusal.isEmpty()) {
        CalDavResponse response;
        response.error = refusal;
        response.url = exchange->request.url;
        // Always asynchronous, so that callers see one order of events.
        QMetaObject::invokeMethod(
            this,
            [exchange, response] {
                if (exchange->context) {
                    exchange->done(response);
                }
            },
            Qt::QueuedConnection);
        return;
    }
    QNetworkRequest request(exchange->request.url);
    request.setTransferTimeout(static_cast<int>(policy_.timeout.count()));
    for (const auto& [name, value] : exchange->request.headers) {
        request.setRawHeader(name, value);
    }
    if (!credentials_.user.isEmpty() &&
        CalDavRequestPolicy::mayCarryCredentials(exchange->origin, exchange->request.url)) {
        const QByteArray pair = credentials_.user.toUtf8() + ':' + credentials_.password.toUtf8();
        request.setRawHeader("Authorization", "Basic " + pair.toBase64());
    }
    QNetworkReply* reply =
        network_.sendCustomRequest(request, exchange->request.method, exchange->request.body);
    exchange->body.clear();

    connect(reply, &QNetworkReply::metaDataChanged, reply, [this, exchange, reply] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > policy_.maxBodyBytes) {
            exchange->tooLarge = true;
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::readyRead, reply, [this, exchange, reply] {
        exchange->body += reply->readAll();
        if (exchange->body.size() > policy_.maxBodyBytes) {
            exchange->tooLarge = true;
            exchange->body.clear();
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::sslErrors, reply, [exchange](const QList<QSslError>& errors) {
        // Never ignored: the handshake then fails, and the reason is kept for the message.
        if (!errors.isEmpty()) {
            exchange->certificateProblem = errors.first().errorString();
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, exchange, reply] { finish(exchange, reply); });
}

void CalDavTransport::finish(const std::shared_ptr<Exchange>& exchange, QNetworkReply* reply)
{
    reply->deleteLater();
    if (!exchange->tooLarge && reply->isOpen()) {
        exchange->body += reply->readAll();
    }
    CalDavResponse response;
    response.url = exchange->request.url;
    response.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QString host = exchange->request.url.host();
    // Below the content errors are those of the connection itself; a status the server sent is not one.
    const QNetworkReply::NetworkError code = reply->error();
    const bool connectionFailed =
        (code != QNetworkReply::NoError && code < QNetworkReply::ContentAccessDenied) ||
        code == QNetworkReply::ProtocolFailure;
    if (exchange->tooLarge || exchange->body.size() > policy_.maxBodyBytes) {
        response.error = tr("The answer of %1 is larger than %2 MB and was refused.")
                             .arg(host)
                             .arg(policy_.maxBodyBytes / (1024 * 1024));
    } else if (connectionFailed) {
        response.error = networkError(*exchange, reply);
    } else if (response.status == 0) {
        response.error = tr("The server %1 broke the connection off.").arg(host);
    } else if (isRedirect(response.status) && reply->hasRawHeader("Location")) {
        const QUrl target =
            exchange->request.url.resolved(QUrl(QString::fromUtf8(reply->rawHeader("Location"))));
        if (++exchange->redirects > maxRedirects) {
            response.error = tr("The server %1 redirected the request too often.").arg(host);
        } else {
            exchange->request.url = target;
            if (response.status == 303) {
                exchange->request.method = "GET";
                exchange->request.body.clear();
            }
            start(exchange);
            return;
        }
    } else if (response.status == 401) {
        response.error = tr("The server %1 refused the user name or password.").arg(host);
    } else if (response.status >= 500 && response.status != 501) {
        // 501 is no failure but the answer that a method is not offered; the caller may do without it.
        response.error = tr("The server %1 reported an error (%2 %3).")
                             .arg(host)
                             .arg(response.status)
                             .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
    }
    if (response.error.isEmpty()) {
        response.body = std::move(exchange->body);
        response.etag = reply->rawHeader("ETag");
    }
    if (exchange->context) {
        exchange->done(response);
    }
}

QString CalDavTransport::networkError(const Exchange& exchange, QNetworkReply* reply) const
{
    const QString host = exchange.request.url.host();
    switch (reply->error()) {
    case QNetworkReply::OperationCanceledError:
    case QNetworkReply::TimeoutError:
        return tr("The server %1 did not answer in time.").arg(host);
    case QNetworkReply::SslHandshakeFailedError:
        return tr("The certificate of %1 is not trusted (%2); the server is refused.")
            .arg(host,
                 exchange.certificateProblem.isEmpty() ? reply->errorString() : exchange.certificateProblem);
    case QNetworkReply::RemoteHostClosedError:
        return tr("The server %1 broke the connection off.").arg(host);
    default:
        return tr("The server %1 could not be reached: %2").arg(host, reply->errorString());
    }
}

QString CalDavTransport::unexpectedStatus(const CalDavResponse& response)
{
    if (!response.error.isEmpty()) {
        return response.error;
    }
    return tr("The server %1 answered with status %2 where it was not expected.")
        .arg(response.url.host())
        .arg(response.status);
}

} // namespace klaxora
