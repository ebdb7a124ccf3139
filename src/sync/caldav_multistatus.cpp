#include "sync/caldav_multistatus.h"

#include <QXmlStreamReader>

namespace klaxora {

namespace {

QString clarkName(const QXmlStreamReader& xml)
{
    return '{' + xml.namespaceUri().toString() + '}' + xml.name().toString();
}

int statusCode(const QString& statusLine)
{
    // "HTTP/1.1 404 Not Found"
    const QStringList parts = statusLine.simplified().split(' ');
    return parts.size() >= 2 ? parts[1].toInt() : 0;
}

class Reading {
public:
    Reading(const QByteArray& body, const QUrl& base) : xml_(body), base_(base) {}

    std::optional<DavMultistatus> read()
    {
        DavMultistatus result;
        if (!xml_.readNextStartElement() || clarkName(xml_) != davName("multistatus")) {
            return std::nullopt;
        }
        while (xml_.readNextStartElement()) {
            const QString name = clarkName(xml_);
            if (name == davName("response")) {
                result.responses.append(readResponse());
            } else if (name == davName("sync-token")) {
                result.syncToken = xml_.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            } else {
                xml_.skipCurrentElement();
            }
        }
        // The rest must be well-formed too: a cut-off answer may hide responses.
        while (!xml_.atEnd()) {
            xml_.readNext();
        }
        if (xml_.hasError()) {
            return std::nullopt;
        }
        return result;
    }

    QString errorText() const { return xml_.hasError() ? xml_.errorString() : QString(); }

private:
    DavResponse readResponse()
    {
        DavResponse response;
        while (xml_.readNextStartElement()) {
            const QString name = clarkName(xml_);
            if (name == davName("href")) {
                response.url = davResolve(base_, xml_.readElementText());
            } else if (name == davName("status")) {
                response.status = statusCode(xml_.readElementText());
            } else if (name == davName("propstat")) {
                readPropstat(response);
            } else {
                xml_.skipCurrentElement();
            }
        }
        return response;
    }

    void readPropstat(DavResponse& response)
    {
        QHash<QString, DavProperty> properties;
        int status = 0;
        while (xml_.readNextStartElement()) {
            const QString name = clarkName(xml_);
            if (name == davName("prop")) {
                while (xml_.readNextStartElement()) {
                    const QString property = clarkName(xml_);
                    properties.insert(property, readProperty());
                }
            } else if (name == davName("status")) {
                status = statusCode(xml_.readElementText());
            } else {
                xml_.skipCurrentElement();
            }
        }
        if (status >= 200 && status < 300) {
            response.properties.insert(properties);
        }
    }

    // From the start of a property element to its end.
    DavProperty readProperty()
    {
        DavProperty property;
        int depth = 1;
        while (depth > 0 && !xml_.atEnd()) {
            switch (xml_.readNext()) {
            case QXmlStreamReader::StartElement:
                if (clarkName(xml_) == davName("href")) {
                    property.hrefs.append(davResolve(base_, xml_.readElementText()));
                    break;
                }
                ++depth;
                property.elements.append(clarkName(xml_));
                if (xml_.attributes().hasAttribute("name")) {
                    property.names.append(xml_.attributes().value("name").toString());
                }
                break;
            case QXmlStreamReader::EndElement:
                --depth;
                break;
            case QXmlStreamReader::Characters:
                property.text += xml_.text();
                break;
            default:
                break;
            }
        }
        return property;
    }

    QXmlStreamReader xml_;
    QUrl base_;
};

} // namespace

std::optional<DavMultistatus> DavMultistatusReader::read(const QByteArray& body, const QUrl& base,
                                                         QString& error)
{
    Reading reading(body, base);
    std::optional<DavMultistatus> result = reading.read();
    if (!result) {
        const QString reason = reading.errorText();
        error = reason.isEmpty()
                    ? tr("The server %1 sent an answer that is not a WebDAV multistatus.").arg(base.host())
                    : tr("The server %1 sent an answer that cannot be read: %2").arg(base.host(), reason);
    }
    return result;
}

QUrl davResolve(const QUrl& base, const QString& href)
{
    QUrl url = base.resolved(QUrl(href.trimmed()));
    url.setFragment(QString());
    url.setQuery(QString());
    // Each segment decoded and escaped again but for the unreserved characters, so that servers that
    // escape differently name the same object; an escaped '/' stays apart from a real one.
    QStringList segments = url.path(QUrl::FullyEncoded).split('/');
    for (QString& segment : segments) {
        segment = QString::fromLatin1(QUrl::toPercentEncoding(QUrl::fromPercentEncoding(segment.toLatin1())));
    }
    url.setPath(segments.join('/'), QUrl::TolerantMode);
    return url;
}

} // namespace klaxora
