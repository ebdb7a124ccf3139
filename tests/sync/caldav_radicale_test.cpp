// The CalDAV client against a real server, Radicale on loopback: one server for the suite, a fresh
// calendar for each test.
#include "sync/caldav_collection_reader.h"
#include "sync/caldav_own_calendar.h"
#include "sync/caldav_writer.h"
#include "sync/radicale_test.h"

#include <gtest/gtest.h>

#include <memory>

namespace klaxora {
namespace {

using test::eventText;
using test::waitFor;
using Outcome = CalDavWriteResult::Outcome;

class CalDavRadicaleTest : public test::RadicaleTest {
protected:
    CalDavWriteResult create(const QUrl& url, const QByteArray& text)
    {
        return waitFor<CalDavWriteResult>([&](auto done) { writer.create(url, text, done); });
    }
    CalDavWriteResult change(const QUrl& url, const QByteArray& etag, const QByteArray& text)
    {
        return waitFor<CalDavWriteResult>([&](auto done) { writer.change(url, etag, text, done); });
    }
    CalDavWriteResult remove(const QUrl& url, const QByteArray& etag)
    {
        return waitFor<CalDavWriteResult>([&](auto done) { writer.remove(url, etag, done); });
    }
    CalDavChanges read(const QUrl& calendar, const QString& token, const QHash<QUrl, QByteArray>& known)
    {
        return waitFor<CalDavChanges>([&](auto done) { reader.read(calendar, token, known, done); });
    }

    CalDavDiscovery discovery{transport};
    CalDavWriter writer{transport};
    CalDavCollectionReader reader{transport};
};

TEST_F(CalDavRadicaleTest, AServerAddressLeadsToTheProgramsOwnCalendarMadeOnceAndACalendarAddressIsUsedAsItIs)
{
    CalDavOwnCalendar own(transport);
    const auto made = waitFor<CalDavCalendarMade>([&](auto done) { own.find(server->url(), done); });
    ASSERT_EQ(made.error, "");
    EXPECT_TRUE(made.calendar.url.path().startsWith("/alice/")) << made.calendar.url.toString().toStdString();

    const auto found =
        waitFor<CalDavDiscoveryResult>([&](auto done) { discovery.discover(server->url(), done); });
    EXPECT_EQ(found.homeUrl, server->url("/alice/"));
    ASSERT_EQ(found.calendars.size(), 1);
    EXPECT_EQ(found.calendars[0].displayName, "Klaxora! Alarms");
    // An address that is no account's leads there through /.well-known/caldav.
    const auto known = waitFor<CalDavDiscoveryResult>(
        [&](auto done) { discovery.discover(server->url("/elsewhere/"), done); });
    EXPECT_EQ(known.homeUrl, found.homeUrl);

    const auto again = waitFor<CalDavCalendarMade>([&](auto done) { own.find(server->url(), done); });
    EXPECT_EQ(again.calendar.url, made.calendar.url);
    const auto direct = waitFor<CalDavCalendarMade>([&](auto done) { own.find(made.calendar.url, done); });
    EXPECT_EQ(direct.calendar.url, made.calendar.url);
}

TEST_F(CalDavRadicaleTest, WritesGoThroughOnlyOnTheVersionLastReadAndAStaleOneGivesTheServersVersion)
{
    const QUrl calendar = freshCalendar();
    const QUrl object = CalDavWriter::objectUrl(calendar, "alarm-1@klaxora");
    const CalDavWriteResult created = create(object, eventText("alarm-1@klaxora", "Dentist"));
    ASSERT_EQ(created.outcome, Outcome::Done) << created.error.toStdString();
    ASSERT_FALSE(created.object.etag.isEmpty());
    // A second new object at the same address is refused, not written over the first.
    EXPECT_EQ(create(object, eventText("alarm-1@klaxora", "Other")).outcome, Outcome::Conflict);

    const CalDavChanges first = read(calendar, {}, {});
    ASSERT_EQ(first.changed.size(), 1);
    EXPECT_EQ(first.changed[0].url, object);
    EXPECT_EQ(first.changed[0].etag, created.object.etag);

    const CalDavWriteResult changed =
        change(object, created.object.etag, eventText("alarm-1@klaxora", "Dentist 9"));
    ASSERT_EQ(changed.outcome, Outcome::Done);
    EXPECT_NE(changed.object.etag, created.object.etag);

    const CalDavWriteResult stale = change(object, created.object.etag, eventText("alarm-1@klaxora", "Lost"));
    EXPECT_EQ(stale.outcome, Outcome::Conflict);
    EXPECT_TRUE(stale.object.icalendar.contains("Dentist 9"));
    EXPECT_EQ(stale.object.etag, changed.object.etag);
    EXPECT_EQ(remove(object, created.object.etag).outcome, Outcome::Conflict);

    EXPECT_EQ(remove(object, changed.object.etag).outcome, Outcome::Done);
    EXPECT_EQ(change(object, changed.object.etag, eventText("alarm-1@klaxora", "x")).outcome, Outcome::Gone);
    EXPECT_EQ(remove(object, changed.object.etag).outcome, Outcome::Gone);
}

} // namespace
} // namespace klaxora
