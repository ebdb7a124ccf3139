#include "sync/caldav_requests.h"

#include "sync/caldav_multistatus.h"

#include <QXmlStreamWriter>

#include <functional>

namespace klaxora::caldav_requests {

namespace {

QByteArray document(const QString& rootNamespace, const QString& rootName,
                    const std::function<void(QXmlStreamWriter&)>& content)
{
    QByteArray body;
    QXmlStreamWriter xml(&body);
    xml.writeStartDocument();
    xml.writeNamespace(davNamespace, "D");
    xml.writeNamespace(calDavNamespace, "C");
    xml.writeStartElement(rootNamespace, rootName);
    content(xml);
    xml.writeEndElement();
    xml.writeEndDocument();
    return body;
}

void writeEmpty(QXmlStreamWriter& xml, const QString& clarkName)
{
    const qsizetype close = clarkName.indexOf('}');
    xml.writeEmptyElement(clarkName.mid(1, close - 1), clarkName.mid(close + 1));
}

constexpr char calendarType[] = "text/calendar; charset=utf-8";

constexpr char xmlType[] = "application/xml; charset=utf-8";

} // namespace

CalDavRequest propfind(const QUrl& url, int depth, const QStringList& properties)
{
    return {"PROPFIND",
            url,
            {{"Depth", QByteArray::number(depth)}, {"Content-Type", xmlType}},
            document(davNamespace, "propfind", [&](QXmlStreamWriter& xml) {
                xml.writeStartElement(davNamespace, "prop");
                for (const QString& property : properties) {
                    writeEmpty(xml, property);
                }
                xml.writeEndElement();
            })};
}

CalDavRequest mkcalendar(const QUrl& url, const QString& displayName)
{
    return {"MKCALENDAR",
            url,
            {{"Content-Type", xmlType}},
            document(calDavNamespace, "mkcalendar", [&](QXmlStreamWriter& xml) {
                xml.writeStartElement(davNamespace, "set");
                xml.writeStartElement(davNamespace, "prop");
                xml.writeTextElement(davNamespace, "displayname", displayName);
                xml.writeStartElement(calDavNamespace, "supported-calendar-component-set");
                xml.writeEmptyElement(calDavNamespace, "comp");
                xml.writeAttribute("name", "VEVENT");
                xml.writeEndElement();
                xml.writeEndElement();
                xml.writeEndElement();
            })};
}

CalDavRequest syncCollection(const QUrl& collection, const QString& syncToken)
{
    return {"REPORT",
            collection,
            {{"Depth", "0"}, {"Content-Type", xmlType}},
            document(davNamespace, "sync-collection", [&](QXmlStreamWriter& xml) {
                xml.writeTextElement(davNamespace, "sync-token", syncToken);
                xml.writeTextElement(davNamespace, "sync-level", "1");
                xml.writeStartElement(davNamespace, "prop");
                xml.writeEmptyElement(davNamespace, "getetag");
                xml.writeEndElement();
            })};
}

CalDavRequest multiget(const QUrl& collection, const QList<QUrl>& objects)
{
    return {"REPORT",
            collection,
            {{"Content-Type", xmlType}},
            document(calDavNamespace, "calendar-multiget", [&](QXmlStreamWriter& xml) {
                xml.writeStartElement(davNamespace, "prop");
                xml.writeEmptyElement(davNamespace, "getetag");
                xml.writeEmptyElement(calDavNamespace, "calendar-data");
                xml.writeEndElement();
                for (const QUrl& object : objects) {
                    xml.writeTextElement(davNamespace, "href", object.path(QUrl::FullyEncoded));
                }
            })};
}

CalDavRequest get(const QUrl& object)
{
    return {"GET", object, {}, {}};
}

CalDavRequest putNew(const QUrl& object, const QByteArray& icalendar)
{
    return {"PUT", object, {{"If-None-Match", "*"}, {"Content-Type", calendarType}}, icalendar};
}

CalDavRequest putChange(const QUrl& object, const QByteArray& etag, const QByteArray& icalendar)
{
    CalDavRequest request{"PUT", object, {{"Content-Type", calendarType}}, icalendar};
    if (!etag.isEmpty()) {
        request.headers.append({"If-Match", etag});
    }
    return request;
}

CalDavRequest remove(const QUrl& object, const QByteArray& etag)
{
    CalDavRequest request{"DELETE", object, {}, {}};
    if (!etag.isEmpty()) {
        request.headers.append({"If-Match", etag});
    }
    return request;
}

} // namespace klaxora::caldav_requests
