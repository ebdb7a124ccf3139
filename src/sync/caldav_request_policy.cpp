#include "sync/caldav_request_policy.h"

#include <QHostAddress>

namespace klaxora {

QString CalDavRequestPolicy::refusal(const QUrl& url) const
{
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != "https" && scheme != "http")) {
        return tr("\"%1\" is not the address of a calendar server (https://...).").arg(url.toDisplayString());
    }
    const bool allowed =
        !unencryptedHost.isEmpty() && url.host().compare(unencryptedHost, Qt::CaseInsensitive) == 0;
    if (scheme == "http" && !allowed && !isLoopback(url)) {
        return tr("%1 would be reached unencrypted (http://). Use https://, or allow unencrypted "
                  "connections for this server.")
            .arg(url.host());
    }
    return {};
}

bool CalDavRequestPolicy::mayCarryCredentials(const QUrl& origin, const QUrl& target)
{
    return origin.scheme().compare(target.scheme(), Qt::CaseInsensitive) == 0 &&
           origin.host().compare(target.host(), Qt::CaseInsensitive) == 0 &&
           origin.port(origin.scheme() == "https" ? 443 : 80) ==
               target.port(target.scheme() == "https" ? 443 : 80);
}

bool CalDavRequestPolicy::isLoopback(const QUrl& url)
{
    const QString host = url.host().toLower();
    if (host == "localhost") {
        return true;
    }
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

} // namespace klaxora
