// One HTTP exchange with a CalDAV server on QNetworkAccessManager, under the request policy: redirects are
// followed here (at most five), so that the user name and password go only to the server they were given
// for; an answer over the size bound is cut off as soon as that shows; a server that does not answer
// fails the request with a time-out; a certificate the system's store does not trust refuses the server.
// Network failures, 401 and 5xx come back as a readable error; other statuses are the caller's to judge.
#pragma once

#include "sync/caldav_request_policy.h"

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QNetworkReply;

namespace klaxora {

struct CalDavCredentials {
    QString user;
    QString password;
};

struct CalDavRequest {
    QByteArray method;
    QUrl url;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;
};

struct CalDavResponse {
    // Empty when the server answered and the answer is the caller's to read.
    QString error;
    int status = 0;
    QByteArray body;
    QByteArray etag;
    // Where the answer came from, after redirects.
    QUrl url;

    bool succeeded() const { return error.isEmpty() && status >= 200 && status < 300; }
};

class CalDavTransport : public QObject {
    Q_OBJECT

public:
    CalDavTransport(CalDavRequestPolicy policy, CalDavCredentials credentials, QObject* parent = nullptr);

    // `done` is called once, unless `context` is gone by then.
    void send(const CalDavRequest& request, QObject* context,
              std::function<void(const CalDavResponse&)> done);

    // The error for an answer the caller did not expect.
    static QString unexpectedStatus(const CalDavResponse& response);

private:
    struct Exchange;
    void start(const std::shared_ptr<Exchange>& exchange);
    void finish(const std::shared_ptr<Exchange>& exchange, QNetworkReply* reply);
    QString networkError(const Exchange& exchange, QNetworkReply* reply) const;

    CalDavRequestPolicy policy_;
    CalDavCredentials credentials_;
    QNetworkAccessManager network_;
};

} // namespace klaxora
