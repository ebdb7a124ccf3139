// The built program syncing with a CalDAV calendar, Radicale on loopback, from the command line: an event
// put there by another client comes into the alarms, and an alarm deleted here goes from the server; once
// on the files with no program running, once through the running program. No Secret Service is reachable
// (the test's session bus is none), so the password comes on standard input.
#include "sync/radicale_test.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

using klaxora::test::RadicaleServer;

const QByteArray TeaEvent =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Another client//EN\r\nBEGIN:VEVENT\r\n"
    "UID:tea@another.client\r\nDTSTAMP:20260101T000000Z\r\nDTSTART:20990615T160000Z\r\n"
    "SUMMARY:Tea time\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Tea time\r\n"
    "TRIGGER:PT0S\r\nEND:VALARM\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

struct Outcome {
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};

class CalendarSyncProgramTest : public klaxora::test::RadicaleTest {
protected:
    void SetUp() override
    {
        RadicaleTest::SetUp();
        if (IsSkipped())
            return;
        program = folder.filePath("klaxora");
        ASSERT_TRUE(QFile::copy(KLAXORA_PROGRAM, program));
        writeAlarms();
        QFile preferences(folder.filePath("ALARM.INI"));
        ASSERT_TRUE(preferences.open(QIODevice::WriteOnly));
        preferences.write("[Sounds]\r\nWaveFile=\r\nSilent=1\r\n[Tray]\r\nUse=0\r\n");
        // A runtime folder of its own keeps the single-instance lock away from any other running copy.
        ASSERT_TRUE(QDir(folder.path()).mkdir("runtime"));
        QFile::setPermissions(folder.filePath("runtime"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_RUNTIME_DIR", folder.filePath("runtime"));
    }

    // No alarms: also how an alarm deleted here looks.
    void writeAlarms() { ASSERT_TRUE(QFile(folder.filePath("Alarms.dat")).open(QIODevice::WriteOnly)); }

    // `input` is its standard input, the password's line.
    Outcome run(const QStringList& arguments, const QByteArray& input = {})
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        process.write(input);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(60000)) << arguments.join(' ').toStdString();
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }
    Outcome connect(const QString& calendar)
    {
        return run({"--calendar", server->url(calendar).toString(), "--user", "alice", "--password-stdin"},
                   "secret\n");
    }
    Outcome syncWithPassword() { return run({"--sync", "--password-stdin"}, "secret\n"); }
    bool listed() { return run({"--list"}).output.contains("\tTea time\t"); }

    // What another CalDAV client sends; the HTTP status.
    int send(const QByteArray& method, const QString& path, const QByteArray& body = {})
    {
        QNetworkRequest request(server->url(path));
        request.setRawHeader("Authorization", "Basic " + QByteArray("alice:secret").toBase64());
        request.setHeader(QNetworkRequest::ContentTypeHeader, "text/calendar; charset=utf-8");
        const std::unique_ptr<QNetworkReply> reply(network.sendCustomRequest(request, method, body));
        QEventLoop loop;
        QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    }

    QTemporaryDir folder;
    QString program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QNetworkAccessManager network;
};

TEST_F(CalendarSyncProgramTest, WithoutTheProgramAnEventComesAndAnAlarmDeletedHereGoes)
{
    ASSERT_EQ(send("MKCALENDAR", "/alice/work/"), 201);
    ASSERT_EQ(send("PUT", "/alice/work/tea.ics", TeaEvent), 201);

    const Outcome connected = connect("/alice/work/");
    ASSERT_EQ(connected.exitCode, 0) << connected.errors.data();
    EXPECT_TRUE(connected.output.contains("needs --password-stdin")) << connected.output.data();
    QFile journal(folder.filePath("Calendar.dat"));
    ASSERT_TRUE(journal.open(QIODevice::ReadOnly));
    EXPECT_FALSE(journal.readAll().contains("secret")) << "the password is never written";

    const Outcome withoutPassword = run({"--sync"});
    EXPECT_EQ(withoutPassword.exitCode, 1);
    EXPECT_TRUE(withoutPassword.errors.contains("--sync --password-stdin")) << withoutPassword.errors.data();

    const Outcome received = syncWithPassword();
    EXPECT_TRUE(received.output.contains("received 1, removed 0, sent 0, conflicts 0"))
        << received.errors.data();
    EXPECT_TRUE(listed());

    writeAlarms();
    const Outcome sent = syncWithPassword();
    EXPECT_TRUE(sent.output.contains("sent 1")) << sent.errors.data();
    EXPECT_EQ(send("GET", "/alice/work/tea.ics"), 404);
}

TEST_F(CalendarSyncProgramTest, TheRunningProgramConnectsSyncsAndTurnsOff)
{
    ASSERT_EQ(send("MKCALENDAR", "/alice/home/"), 201);
    QProcess running;
    running.setProcessEnvironment(environment);
    running.start(program, {});
    // Listening once its socket is there.
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return QFile::exists(folder.filePath("runtime/Klaxora.socket")); }, 20000));

    const Outcome connected = connect("/alice/home/");
    ASSERT_EQ(connected.exitCode, 0) << connected.errors.data();
    ASSERT_EQ(send("PUT", "/alice/home/tea.ics", TeaEvent), 201);
    const Outcome synced = syncWithPassword();
    EXPECT_TRUE(synced.output.startsWith("Synced with ")) << synced.errors.data();
    EXPECT_TRUE(listed());

    EXPECT_EQ(run({"--calendar", "off"}).exitCode, 0);
    EXPECT_FALSE(QFile::exists(folder.filePath("Calendar.dat")));
    EXPECT_TRUE(listed()) << "the alarms stay";
    EXPECT_EQ(running.state(), QProcess::Running);
}

} // namespace
