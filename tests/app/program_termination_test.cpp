// The built program ends cleanly on the signals of a log-out, Ctrl-C and a closed terminal: without the
// confirmation question, with exit code 0, its alarm file as it was, its single-instance lock free.
#include "support/alarm_lines.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>

namespace {

const QByteArray Alarms = "07:30pm^Water the plants^^3^06/15/2099^^0\r\n";
// The offscreen platform says this when the main window is raised at its first activation.
const QByteArray WindowShown = "This plugin does not support raise()";

bool waitFor(const std::function<bool()>& condition, int milliseconds = 30000)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    return true;
}

class ProgramTerminationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        program = folder.filePath(QStringLiteral("klaxora"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(KLAXORA_PROGRAM), program));
        const QString runtime = folder.filePath(QStringLiteral("runtime"));
        ASSERT_TRUE(QDir().mkpath(runtime));
        QFile::setPermissions(runtime,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        environment.remove(QStringLiteral("QT_LOGGING_RULES"));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
    }

    void TearDown() override
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }

    // Starts the program and waits until its window is up; returns what it said meanwhile.
    QByteArray startUntilShown()
    {
        process.start(program, {});
        EXPECT_TRUE(process.waitForStarted());
        QByteArray said;
        EXPECT_TRUE(waitFor([&] {
            process.waitForReadyRead(20);
            said += process.readAll();
            return said.contains(WindowShown) || process.state() == QProcess::NotRunning;
        })) << said.data();
        return said;
    }

    QByteArray readAlarms() const
    {
        QFile file(folder.filePath(QStringLiteral("Alarms.dat")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder;
    QString program;
    QProcess process;
};

class ProgramSignalTest : public ProgramTerminationTest, public ::testing::WithParamInterface<int> {};

TEST_P(ProgramSignalTest, EndsWithoutTheQuestionAndCanStartAgain)
{
    QFile file(folder.filePath(QStringLiteral("Alarms.dat")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Alarms);
    file.close();

    QByteArray firstWritten;
    for (int start = 0; start < 2; ++start) {
        const QByteArray said = startUntilShown();
        ASSERT_TRUE(said.contains(WindowShown)) << said.data();
        ASSERT_EQ(::kill(static_cast<pid_t>(process.processId()), GetParam()), 0);
        ASSERT_TRUE(process.waitForFinished(30000)) << "still running after the signal";
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0);
        const QByteArray rest = process.readAll();
        EXPECT_FALSE(rest.contains("already running")) << rest.data();
        EXPECT_FALSE(rest.contains("Sanitizer")) << rest.data();
        // The start gives the line its identity, and the next start keeps it.
        const QByteArray written = readAlarms();
        EXPECT_EQ(klaxora::test::withoutUids(written.toStdString()), Alarms.toStdString());
        EXPECT_EQ(written, start == 0 ? written : firstWritten);
        firstWritten = written;
    }
}

INSTANTIATE_TEST_SUITE_P(Signals, ProgramSignalTest, ::testing::Values(SIGTERM, SIGINT, SIGHUP));

TEST_F(ProgramTerminationTest, EndsTheErrorBoxOfAnUnreadableAlarmFile)
{
    // A folder in place of the file cannot be read: the error box comes up and waits for OK.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Alarms.dat")));
    process.start(program, {});
    ASSERT_TRUE(process.waitForStarted());
    QByteArray said;
    // The offscreen platform says this as the box is shown.
    ASSERT_TRUE(waitFor([&] {
        process.waitForReadyRead(20);
        said += process.readAll();
        return said.contains("does not support propagateSizeHints()") ||
               process.state() == QProcess::NotRunning;
    }));
    ASSERT_EQ(process.state(), QProcess::Running) << said.data();
    ASSERT_EQ(::kill(static_cast<pid_t>(process.processId()), SIGTERM), 0);
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << "the program ran on behind the box";
    EXPECT_TRUE(QFileInfo(folder.filePath(QStringLiteral("Alarms.dat"))).isDir());
}

} // namespace
