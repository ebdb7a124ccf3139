// The CalDAV client against servers that misbehave, each scripted on loopback: whatever goes wrong, a
// read reports a clear error and no changes, so that nothing is taken for deleted.
#include "sync/caldav_collection_reader.h"
#include "sync/caldav_test_support.h"
#include "sync/caldav_writer.h"
#include "sync/scripted_http_server.h"

#include <QFile>
#include <QSslConfiguration>
#include <QSslKey>
#include <gtest/gtest.h>

namespace klaxora {
namespace test {
// Names the row in test listings, in place of its bytes.
void PrintTo(const ScriptedAnswer& answer, std::ostream* out)
{
    *out << (answer.bytes.isEmpty() ? "no answer" : answer.bytes.left(12).toStdString());
}
} // namespace test
namespace {

using test::eventText;
using test::httpAnswer;
using test::HttpExchange;
using test::ScriptedAnswer;
using test::ScriptedHttpServer;
using test::waitFor;
using namespace std::chrono_literals;

const QByteArray cutOff =
    "<?xml version=\"1.0\"?><multistatus xmlns=\"DAV:\"><response><href>/cal/a.ics</href>"
    "<propstat><prop><getetag>\"1\"</getetag></prop>";

struct FaultRow {
    const char* name;
    ScriptedAnswer answer;
    const char* error;
};

void PrintTo(const FaultRow& row, std::ostream* out)
{
    *out << row.name;
}

class CalDavFaultTest : public ::testing::TestWithParam<FaultRow> {};

TEST_P(CalDavFaultTest, AReadReportsTheFaultAndNoChanges)
{
    ScriptedHttpServer server([](const HttpExchange&) { return GetParam().answer; });
    CalDavRequestPolicy policy;
    // Short only where it is waited out: a loaded machine may pause a transfer.
    policy.timeout = GetParam().answer.hang ? 500ms : 30s;
    CalDavTransport transport(policy, {"alice", "secret"});
    CalDavCollectionReader reader(transport);
    const CalDavChanges changes = waitFor<CalDavChanges>([&](auto done) {
        reader.read(server.url("/cal/"), "token", {{server.url("/cal/a.ics"), "\"0\""}}, done);
    });
    EXPECT_TRUE(changes.error.contains(GetParam().error)) << changes.error.toStdString();
    EXPECT_TRUE(changes.changed.isEmpty());
    EXPECT_TRUE(changes.removed.isEmpty());
    // A huge answer is cut off, not read to its end.
    EXPECT_LT(server.fillerWritten, 55LL * 1024 * 1024);
}

const qint64 sixtyMegabytes = 60LL * 1024 * 1024;

INSTANTIATE_TEST_SUITE_P(
    Servers, CalDavFaultTest,
    ::testing::Values(
        FaultRow{"Silent", {{}, 0, true}, "did not answer in time"},
        FaultRow{"InternalError", httpAnswer(500), "reported an error (500"},
        FaultRow{"DroppedConnection", {}, "broke the connection off"},
        FaultRow{"CutOffXml", httpAnswer(207, cutOff), "cannot be read"},
        FaultRow{"NotXml", httpAnswer(207, "<html><body>Welcome</body></html>"), "not a WebDAV"},
        FaultRow{"BodyCutOffBeforeItsLength",
                 {"HTTP/1.1 207 Multi-Status\r\nContent-Length: 1000\r\n\r\n" + cutOff, 0, false},
                 "broke the connection off"},
        FaultRow{"HugeWithLength",
                 {"HTTP/1.1 207 Multi-Status\r\nContent-Length: " + QByteArray::number(sixtyMegabytes) +
                      "\r\n\r\n",
                  sixtyMegabytes, false},
                 "larger than 50 MB"},
        FaultRow{"HugeWithoutLength",
                 {"HTTP/1.1 207 Multi-Status\r\nConnection: close\r\n\r\n", sixtyMegabytes, false},
                 "larger than 50 MB"},
        FaultRow{"WrongPassword", httpAnswer(401, {}, "WWW-Authenticate: Basic realm=\"x\"\r\n"),
                 "refused the user name or password"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CalDavRequestPolicyTest, PlainHttpOnlyToThisComputerOrWhenAllowedAndCredentialsOnlyToTheirServer)
{
    CalDavRequestPolicy policy;
    EXPECT_EQ(policy.refusal(QUrl("https://dav.example.org/cal/")), "");
    EXPECT_EQ(policy.refusal(QUrl("http://127.0.0.1:8080/")), "");
    EXPECT_EQ(policy.refusal(QUrl("http://[::1]:8080/")), "");
    EXPECT_NE(policy.refusal(QUrl("http://dav.example.org/")), "");
    EXPECT_NE(policy.refusal(QUrl("ftp://dav.example.org/")), "");
    policy.unencryptedHost = "dav.example.org";
    EXPECT_EQ(policy.refusal(QUrl("http://DAV.example.org/")), "");
    EXPECT_NE(policy.refusal(QUrl("http://elsewhere.example.org/")), "");

    const QUrl origin("https://dav.example.org/cal/");
    EXPECT_TRUE(CalDavRequestPolicy::mayCarryCredentials(origin, QUrl("https://DAV.example.org:443/other/")));
    EXPECT_FALSE(CalDavRequestPolicy::mayCarryCredentials(origin, QUrl("https://evil.example.org/cal/")));
    EXPECT_FALSE(CalDavRequestPolicy::mayCarryCredentials(origin, QUrl("http://dav.example.org/cal/")));
    EXPECT_FALSE(CalDavRequestPolicy::mayCarryCredentials(origin, QUrl("https://dav.example.org:8443/cal/")));
}

TEST(CalDavCertificateTest, AServerWhoseCertificateTheSystemDoesNotTrustIsRefused)
{
    QFile pem(SELF_SIGNED_PEM);
    ASSERT_TRUE(pem.open(QIODevice::ReadOnly));
    const QByteArray keyAndCertificate = pem.readAll();
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setPrivateKey(QSslKey(keyAndCertificate, QSsl::Ec));
    tls.setLocalCertificate(
        QSslCertificate(keyAndCertificate.mid(keyAndCertificate.indexOf("-----BEGIN CERT"))));
    ScriptedHttpServer server(
        [](const HttpExchange&) { return httpAnswer(207, "<multistatus xmlns=\"DAV:\"/>"); }, tls);
    CalDavTransport transport({}, {"alice", "secret"});
    CalDavCollectionReader reader(transport);
    const CalDavChanges changes =
        waitFor<CalDavChanges>([&](auto done) { reader.read(server.url("/cal/"), {}, {}, done); });
    EXPECT_TRUE(changes.error.startsWith("The certificate of 127.0.0.1 is not trusted"))
        << changes.error.toStdString();
    // Nothing, and so no password, went over the connection.
    EXPECT_TRUE(server.exchanges.isEmpty());
}

TEST(CalDavRedirectTest, ARedirectToAnotherHostGetsNoCredentials)
{
    ScriptedHttpServer elsewhere(
        [](const HttpExchange&) { return httpAnswer(207, "<multistatus xmlns=\"DAV:\"/>"); },
        QHostAddress("127.0.0.2"));
    ScriptedHttpServer server([&](const HttpExchange&) {
        return httpAnswer(307, {}, "Location: " + elsewhere.url("/cal/").toEncoded() + "\r\n");
    });
    CalDavTransport transport({}, {"alice", "secret"});
    CalDavCollectionReader reader(transport);
    const CalDavChanges changes =
        waitFor<CalDavChanges>([&](auto done) { reader.read(server.url("/cal/"), {}, {}, done); });
    EXPECT_EQ(changes.error, "");
    ASSERT_EQ(server.exchanges.size(), 1);
    EXPECT_TRUE(server.exchanges[0].headers.value("authorization").startsWith("Basic "));
    ASSERT_EQ(elsewhere.exchanges.size(), 1);
    EXPECT_EQ(elsewhere.exchanges[0].method, "REPORT");
    EXPECT_FALSE(elsewhere.exchanges[0].headers.contains("authorization"));
}

// A calendar of its own that sends no ETags anywhere: PROPFIND lists the objects, calendar-multiget
// gives one of them (under another spelling of its address), GET the other; there is no sync-collection.
TEST(CalDavNoEtagTest, ObjectsAreFetchedAndComparedByTextNeverDroppedNorDoubled)
{
    QByteArray textB = eventText("b", "B");
    ScriptedHttpServer server([&](const HttpExchange& exchange) {
        const auto entry = [](const QByteArray& href) {
            return "<response><href>" + href +
                   "</href><propstat><prop><resourcetype/></prop><status>HTTP/1.1 200 OK</status></propstat>"
                   "</response>";
        };
        if (exchange.method == "PROPFIND") {
            return httpAnswer(207, "<multistatus xmlns=\"DAV:\">" + entry("/cal/") + entry("/cal/a@1.ics") +
                                       entry("/cal/b.ics") + "</multistatus>");
        }
        if (exchange.method == "REPORT" && exchange.body.contains("calendar-multiget")) {
            return httpAnswer(
                207, "<multistatus xmlns=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:caldav\"><response>"
                     "<href>/cal/a%401.ics</href><propstat><prop><C:calendar-data>" +
                         eventText("a", "A") +
                         "</C:calendar-data></prop><status>HTTP/1.1 200 OK</status></propstat>"
                         "</response></multistatus>");
        }
        if (exchange.method == "GET" && exchange.path == "/cal/b.ics") {
            return httpAnswer(200, textB);
        }
        return httpAnswer(501);
    });
    CalDavTransport transport({}, {});
    CalDavCollectionReader reader(transport);
    const auto readWith = [&](const QHash<QUrl, QByteArray>& known) {
        return waitFor<CalDavChanges>([&](auto done) { reader.read(server.url("/cal/"), {}, known, done); });
    };
    const CalDavChanges first = readWith({});
    ASSERT_EQ(first.error, "");
    ASSERT_EQ(first.changed.size(), 2);
    QHash<QUrl, QByteArray> known;
    for (const CalDavObject& object : first.changed) {
        EXPECT_TRUE(object.etag.isEmpty());
        known.insert(object.url, object.version());
    }
    EXPECT_EQ(known.keys().size(), 2);
    EXPECT_TRUE(first.removed.isEmpty());

    const CalDavChanges unchanged = readWith(known);
    ASSERT_EQ(unchanged.error, "");
    EXPECT_TRUE(unchanged.changed.isEmpty());
    EXPECT_TRUE(unchanged.removed.isEmpty());

    textB = eventText("b", "B changed");
    const CalDavChanges changedB = readWith(known);
    ASSERT_EQ(changedB.changed.size(), 1);
    EXPECT_EQ(changedB.changed[0].url, server.url("/cal/b.ics"));
    EXPECT_EQ(changedB.changed[0].icalendar, textB);
    EXPECT_TRUE(changedB.removed.isEmpty());
}

// A server that sends the changes in parts, each but the last marked 507: a first read lists every
// object only once all parts are in.
TEST(CalDavSyncPartsTest, AKnownObjectInALaterPartIsNotTakenForDeleted)
{
    ScriptedHttpServer server([](const HttpExchange& exchange) {
        const bool last = exchange.body.contains("part-1");
        return httpAnswer(
            207, "<multistatus xmlns=\"DAV:\"><response><href>/cal/" + QByteArray(last ? "b" : "a") +
                     ".ics</href><propstat><prop><getetag>\"1\"</getetag></prop><status>HTTP/1.1 200 "
                     "OK</status></propstat></response>" +
                     (last ? "" : "<response><href>/cal/</href><status>HTTP/1.1 507</status></response>") +
                     "<sync-token>part-" + (last ? "2" : "1") + "</sync-token></multistatus>");
    });
    CalDavTransport transport({}, {});
    CalDavCollectionReader reader(transport);
    const QHash<QUrl, QByteArray> known{{server.url("/cal/a.ics"), "\"1\""},
                                        {server.url("/cal/b.ics"), "\"1\""}};
    const CalDavChanges changes =
        waitFor<CalDavChanges>([&](auto done) { reader.read(server.url("/cal/"), {}, known, done); });
    EXPECT_EQ(changes.error, "");
    EXPECT_TRUE(changes.changed.isEmpty());
    EXPECT_TRUE(changes.removed.isEmpty());
    EXPECT_EQ(changes.syncToken, "part-2");
    EXPECT_EQ(server.exchanges.size(), 2);
}

// A server that stores each new text, then fails to say so; the retry must find it stored.
class CalDavStoredButFailedTest : public ::testing::TestWithParam<ScriptedAnswer> {};

TEST_P(CalDavStoredButFailedTest, TheRetryOfANewObjectOrAChangeMakesNoSecondEvent)
{
    QHash<QByteArray, QByteArray> stored;
    QHash<QByteArray, QByteArray> etags;
    QSet<QByteArray> failedOnce;
    int version = 0;
    ScriptedHttpServer server([&](const HttpExchange& exchange) {
        const QByteArray path = exchange.path;
        if (exchange.method == "GET") {
            return stored.contains(path) ? httpAnswer(200, stored[path], "ETag: " + etags[path] + "\r\n")
                                         : httpAnswer(404);
        }
        const bool exists = stored.contains(path);
        if ((exchange.headers.value("if-none-match") == "*" && exists) ||
            (exchange.headers.contains("if-match") &&
             exchange.headers.value("if-match") != etags.value(path))) {
            return httpAnswer(412);
        }
        stored[path] = exchange.body;
        etags[path] = "\"" + QByteArray::number(++version) + "\"";
        if (!failedOnce.contains(exchange.body)) {
            failedOnce.insert(exchange.body);
            return GetParam();
        }
        return httpAnswer(exists ? 204 : 201, {}, "ETag: " + etags[path] + "\r\n");
    });
    CalDavTransport transport({}, {});
    CalDavWriter writer(transport);
    const QUrl url = CalDavWriter::objectUrl(server.url("/cal/"), "alarm-1");
    const QByteArray texts[] = {eventText("alarm-1", "Call"), eventText("alarm-1", "Call back")};
    const bool answered = !GetParam().bytes.isEmpty();
    // The new object, then a change of it, each tried and tried again. Qt itself may send a request again
    // whose connection dropped before any answer; then the first try is already the retry.
    for (int step = 0; step < 2; ++step) {
        const auto write = [&] {
            return waitFor<CalDavWriteResult>([&](auto done) {
                step == 0 ? writer.create(url, texts[0], done) : writer.change(url, "\"1\"", texts[1], done);
            });
        };
        const CalDavWriteResult first = write();
        EXPECT_TRUE(first.outcome == CalDavWriteResult::Outcome::Failed ||
                    (!answered && first.outcome == CalDavWriteResult::Outcome::Done));
        const CalDavWriteResult retried = write();
        EXPECT_EQ(retried.outcome, CalDavWriteResult::Outcome::Done);
        EXPECT_EQ(retried.object.etag, "\"" + QByteArray::number(step + 1) + "\"");
        EXPECT_EQ(stored.size(), 1);
        EXPECT_EQ(stored.value(url.path().toUtf8()), texts[step]);
    }
    for (const HttpExchange& exchange : server.exchanges) {
        if (exchange.method == "PUT") {
            EXPECT_TRUE(exchange.headers.contains("if-none-match") || exchange.headers.contains("if-match"));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Servers, CalDavStoredButFailedTest,
                         ::testing::Values(httpAnswer(500), ScriptedAnswer{}), [](const auto& row) {
                             return row.index == 0 ? "Answered500" : "DroppedConnection";
                         });

} // namespace
} // namespace klaxora
