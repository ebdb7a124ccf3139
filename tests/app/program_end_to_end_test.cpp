// The built program as a user starts it: copied into a folder of its own with its two files, run headless.
// It rewrites the alarm file at start, stays the only instance, and starts again after being killed.
#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <functional>

namespace {

const char* const PreparedAlarms = "07:30pm^Water the plants^^3^06/15/2099^^0\r\n"
                                   "08:00am^Long gone^^3^01/01/2000^^0\r\n"
                                   "not an alarm at all\r\n"
                                   "9:05 PM^Call home^^3^12/24/2099^^1\r\n";
// Passed and unreadable lines are dropped, the rest written back in the program's own form.
const char* const RewrittenAlarms = "07:30pm^Water the plants^^3^06/15/2099^^0\r\n"
                                    "09:05pm^Call home^^3^12/24/2099^^1\r\n";
const char* const PreparedPreferences = "[Sounds]\r\nWaveFile=\r\nSilent=1\r\n[Tray]\r\nUse=0\r\n";
const QString AlreadyRunning = QStringLiteral("Klaxora! is already running");

bool WaitFor(const std::function<bool()>& condition, int milliseconds = 20000)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(20);
    }
    return true;
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        program = folder.filePath(QStringLiteral("klaxora"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(KLAXORA_PROGRAM), program));
        WriteFile(QStringLiteral("Alarms.dat"), PreparedAlarms);
        WriteFile(QStringLiteral("ALARM.INI"), PreparedPreferences);
        // A runtime folder of its own keeps the single-instance lock away from any other running copy.
        const QString runtime = folder.filePath(QStringLiteral("runtime"));
        ASSERT_TRUE(QDir().mkpath(runtime));
        QFile::setPermissions(runtime,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    }

    void TearDown() override
    {
        for (QProcess* process : {&first, &second, &third}) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished();
            }
        }
    }

    void WriteFile(const QString& name, const QByteArray& contents)
    {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
    }

    QByteArray ReadFile(const QString& name) const
    {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Started from another working folder: the program must find its files beside itself.
    void Start(QProcess& process)
    {
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(QDir::tempPath());
        process.start(program, {});
        ASSERT_TRUE(process.waitForStarted());
    }

    bool AlarmFileRewritten() const { return ReadFile(QStringLiteral("Alarms.dat")) == RewrittenAlarms; }

    QTemporaryDir folder;
    QString program;
    QProcessEnvironment environment;
    QProcess first;
    QProcess second;
    QProcess third;
};

TEST_F(ProgramTest, StartRewritesTheAlarmFileBesideTheProgram)
{
    Start(first);
    EXPECT_TRUE(WaitFor([this] { return AlarmFileRewritten(); }))
        << ReadFile(QStringLiteral("Alarms.dat")).data();
    EXPECT_EQ(ReadFile(QStringLiteral("ALARM.INI")), PreparedPreferences)
        << "preferences are never written at start";
    EXPECT_FALSE(first.waitForFinished(500)) << "it keeps running";
}

TEST_F(ProgramTest, SecondStartSaysSoAndEndsWhileTheFirstGoesOn)
{
    Start(first);
    ASSERT_TRUE(WaitFor([this] { return AlarmFileRewritten(); }));
    // The first instance's file is changed behind its back; a second instance must not load and rewrite it.
    WriteFile(QStringLiteral("Alarms.dat"), PreparedAlarms);

    Start(second);
    QByteArray said;
    ASSERT_TRUE(WaitFor([this, &said] {
        second.waitForReadyRead(50);
        said += second.readAllStandardError();
        return said.contains(AlreadyRunning.toUtf8()) || second.state() == QProcess::NotRunning;
    }));
    EXPECT_TRUE(said.contains(AlreadyRunning.toUtf8())) << said.data();
    // The message box waits for OK, which nobody presses here; the instance does nothing else meanwhile.
    second.kill();
    second.waitForFinished();

    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(ReadFile(QStringLiteral("Alarms.dat")), PreparedAlarms);
}

TEST_F(ProgramTest, StartAfterTheFirstWasKilledSucceeds)
{
    Start(first);
    ASSERT_TRUE(WaitFor([this] { return AlarmFileRewritten(); }));
    first.kill(); // SIGKILL: no chance to clean up
    ASSERT_TRUE(first.waitForFinished());

    WriteFile(QStringLiteral("Alarms.dat"), PreparedAlarms);
    Start(third);
    EXPECT_TRUE(WaitFor([this] { return AlarmFileRewritten(); }));
    EXPECT_FALSE(third.waitForFinished(500));
    EXPECT_FALSE(third.readAllStandardError().contains(AlreadyRunning.toUtf8()));
}

} // namespace
