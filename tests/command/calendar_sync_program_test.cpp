// The built program syncing with a CalDAV calendar, Radicale on loopback, from the command line: an event
// put there by another client comes into the alarms, and an alarm deleted here goes from the server; once
// on the files with no program running, once through the running program. No Secret Service is reachable
// (the test's session bus is none), so the password comes on standard input.
#include "sync/radicale_server.h"

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
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Another client//EN\r\n"
    "BEGIN:VEVENT\r\nUID:tea@another.client\r\nDTSTAMP:20260101T000000Z\r\n"
    "DTSTART:20990615T160000Z\r\nSUMMARY:Tea time\r\n"
    "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Tea time\r\nTRIGGER:PT0S\r\nEND:VALARM\r\n"
    "END:VEVENT\r\nEND:VCALENDAR\r\n";

struct Outcome {
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};

class CalendarSyncProgramTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server = std::make_unique<RadicaleServer>(); }
    static void TearDownTestSuite() { server.reset(); }

    void SetUp() override
    {
        if (!server->failure().isEmpty())
            GTEST_SKIP() << server->failure().toStdString();
        program = folder.filePath("klaxora");
        ASSERT_TRUE(QFile::copy(KLAXORA_PROGRAM, program));
        writeFile("Alarms.dat", "");
        writeFile("ALARM.INI", "[Sounds]\r\nWaveFile=\r\nSilent=1\r\n[Tray]\r\nUse=0\r\n");
        const QString runtime = folder.filePath("runtime");
        ASSERT_TRUE(QDir().mkpath(runtime));
        QFile::setPermissions(runtime,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_RUNTIME_DIR", runtime);
    }

    void TearDown() override
    {
        if (running.state() != QProcess::NotRunning) {
            running.kill();
            running.waitForFinished();
        }
    }

    void writeFile(const QString& name, const QByteArray& contents)
    {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
    }
    QByteArray readFile(const QString& name) const
    {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

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
    Outcome syncWithPassword() { return run({"--sync", "--password-stdin"}, "secret\n"); }
    Outcome connect(const QString& calendar)
    {
        return run({"--calendar", server->url(calendar).toString(), "--user", "alice", "--password-stdin"},
                   "secret\n");
    }

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

    static inline std::unique_ptr<RadicaleServer> server;
    QTemporaryDir folder;
    QString program;
    QProcessEnvironment environment;
    QProcess running;
    QNetworkAccessManager network;
};

TEST_F(CalendarSyncProgramTest, WithoutTheProgramAnEventComesAndAnAlarmDeletedHereGoes)
{
    ASSERT_EQ(send("MKCALENDAR", "/alice/work/"), 201);
    ASSERT_EQ(send("PUT", "/alice/work/tea.ics", TeaEvent), 201);

    const Outcome connected = connect("/alice/work/");
    ASSERT_EQ(connected.exitCode, 0) << connected.errors.data();
    EXPECT_TRUE(connected.output.contains("needs --password-stdin")) << connected.output.data();
    EXPECT_TRUE(readFile("Calendar.dat").contains("/alice/work/"));
    EXPECT_FALSE(readFile("Calendar.dat").contains("secret")) << "the password is never written";

    const Outcome withoutPassword = run({"--sync"});
    EXPECT_EQ(withoutPassword.exitCode, 1);
    EXPECT_TRUE(withoutPassword.errors.contains("--sync --password-stdin")) << withoutPassword.errors.data();

    const Outcome received = syncWithPassword();
    ASSERT_EQ(received.exitCode, 0) << received.errors.data();
    EXPECT_TRUE(received.output.contains("received 1, removed 0, sent 0, conflicts 0"))
        << received.output.data();
    EXPECT_TRUE(run({"--list"}).output.contains("\tTea time\t"));

    // Deleted here, as answering it in the notification would.
    writeFile("Alarms.dat", "");
    const Outcome sent = syncWithPassword();
    ASSERT_EQ(sent.exitCode, 0) << sent.errors.data();
    EXPECT_TRUE(sent.output.contains("sent 1")) << sent.output.data();
    EXPECT_EQ(send("GET", "/alice/work/tea.ics"), 404);

    const Outcome refused =
        run({"--calendar", server->url("/alice/work/").toString(), "--user", "alice", "--password-stdin"},
            "wrong\n");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.errors.contains("cannot be used")) << refused.errors.data();
}

TEST_F(CalendarSyncProgramTest, TheRunningProgramConnectsSyncsAndTurnsOff)
{
    ASSERT_EQ(send("MKCALENDAR", "/alice/home/"), 201);
    running.setProcessEnvironment(environment);
    running.start(program, {});
    ASSERT_TRUE(running.waitForStarted());
    // Listening once its socket is there.
    const QString socket = environment.value("XDG_RUNTIME_DIR") + "/Klaxora.socket";
    ASSERT_TRUE(QTest::qWaitFor([&socket] { return QFile::exists(socket); }, 20000));

    const Outcome connected = connect("/alice/home/");
    ASSERT_EQ(connected.exitCode, 0) << connected.errors.data();
    ASSERT_EQ(send("PUT", "/alice/home/tea.ics", TeaEvent), 201);
    const Outcome synced = syncWithPassword();
    ASSERT_EQ(synced.exitCode, 0) << synced.errors.data();
    EXPECT_TRUE(synced.output.startsWith("Synced with ")) << synced.output.data();
    EXPECT_TRUE(run({"--list"}).output.contains("\tTea time\t"));

    const Outcome off = run({"--calendar", "off"});
    EXPECT_EQ(off.exitCode, 0) << off.errors.data();
    EXPECT_FALSE(QFile::exists(folder.filePath("Calendar.dat")));
    EXPECT_TRUE(run({"--list"}).output.contains("\tTea time\t")) << "the alarms stay";
    EXPECT_EQ(running.state(), QProcess::Running);
}

} // namespace
