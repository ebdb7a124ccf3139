// The 207 Multi-Status answer of PROPFIND and REPORT (namespaces DAV: and CalDAV's), read with
// QXmlStreamReader. Properties are named in Clark notation, "{namespace}name". An answer that is not
// well-formed, or is no multistatus, is an error and never an empty list.
#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

namespace klaxora {

inline const QString davNamespace = QStringLiteral("DAV:");
inline const QString calDavNamespace = QStringLiteral("urn:ietf:params:xml:ns:caldav");

inline QString davName(const QString& localName)
{
    return '{' + davNamespace + '}' + localName;
}
inline QString calDavName(const QString& localName)
{
    return '{' + calDavNamespace + '}' + localName;
}

struct DavProperty {
    // The character data inside it as sent (an ETag, a display name, calendar data).
    QString text;
    // The DAV:href elements inside it (a principal, a home set).
    QList<QUrl> hrefs;
    // The elements inside it, in Clark notation (the kinds of a resourcetype).
    QStringList elements;
    // The name attributes of the elements inside it (the components of a component set).
    QStringList names;
};

struct DavResponse {
    // Resolved against the address the request went to.
    QUrl url;
    // The status of a response that carries one in place of properties (0 when it has none).
    int status = 0;
    // The properties the server gave with a 2xx status.
    QHash<QString, DavProperty> properties;

    bool has(const QString& property) const { return properties.contains(property); }
    QString text(const QString& property) const { return properties.value(property).text.trimmed(); }
};

struct DavMultistatus {
    QList<DavResponse> responses;
    QString syncToken;
};

class DavMultistatusReader {
    Q_DECLARE_TR_FUNCTIONS(DavMultistatusReader)

public:
    // `base` is the address the request went to; on failure `error` says why.
    static std::optional<DavMultistatus> read(const QByteArray& body, const QUrl& base, QString& error);
};

// The address an href names, in one spelling: hrefs of one object compare equal however escaped.
QUrl davResolve(const QUrl& base, const QString& href);

} // namespace klaxora
