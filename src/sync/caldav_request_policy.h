// What the CalDAV client may send where: https to any server, plain http only to this computer or to a
// server the user allowed it for; the user name and password only to the server they were given for;
// answers only up to a bound, and only within a time.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QUrl>

#include <chrono>

namespace klaxora {

class CalDavRequestPolicy {
    Q_DECLARE_TR_FUNCTIONS(CalDavRequestPolicy)

public:
    // An answer larger than this is no calendar of alarms; it is refused rather than read.
    static constexpr qint64 defaultMaxBodyBytes = 50LL * 1024 * 1024;

    // The server the user allowed plain http for; not the servers it may redirect to.
    QString unencryptedHost;
    // A request whose transfer stalls this long fails.
    std::chrono::milliseconds timeout{30000};
    qint64 maxBodyBytes = defaultMaxBodyBytes;

    // Why a request to `url` is not sent; empty when it may be.
    QString refusal(const QUrl& url) const;
    // Whether the credentials given for `origin` may go with a request to `target` (after a redirect).
    static bool mayCarryCredentials(const QUrl& origin, const QUrl& target);
    static bool isLoopback(const QUrl& url);
};

} // namespace klaxora
