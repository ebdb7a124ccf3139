// The built program as a user starts it: copied into a folder of its own with its two files, run headless.
// It rewrites the alarm file at start, stays the only instance, and starts again after being killed. From
// the command line it adds and lists alarms, handing the command to a running program or doing it itself,
// without loading the window's libraries.
#include "command/single_instance.h"
#include "support/alarm_lines.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <signal.h>

#include <array>
#include <functional>
#include <memory>

namespace {

const char* const PreparedAlarms = "07:30pm^Water the plants^^3^06/15/2099^^0\r\n"
                                   "not an alarm at all\r\n"
                                   "9:05 PM^Call home^^3^12/24/2099^^1\r\n";
// Unreadable lines are dropped, the rest written back in the program's own form.
const char* const RewrittenAlarms = "07:30pm^Water the plants^^3^06/15/2099^^0\r\n"
                                    "09:05pm^Call home^^3^12/24/2099^^1\r\n";
const char* const PreparedPreferences = "[Sounds]\r\nWaveFile=\r\nSilent=1\r\n[Tray]\r\nUse=0\r\n";
const QString AlreadyRunning = QStringLiteral("Klaxora! is already running");

bool waitFor(const std::function<bool()>& condition, int milliseconds = 20000)
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
        writeFile(QStringLiteral("Alarms.dat"), PreparedAlarms);
        writeFile(QStringLiteral("ALARM.INI"), PreparedPreferences);
        // A runtime folder of its own keeps the single-instance lock away from any other running copy.
        runtime = folder.filePath(QStringLiteral("runtime"));
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

    // Started from another working folder: the program must find its files beside itself.
    void start(QProcess& process)
    {
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(QDir::tempPath());
        process.start(program, {});
        ASSERT_TRUE(process.waitForStarted());
    }

    // The seven fields of each line; the program gives each alarm a random identity.
    std::string alarmFileText() const
    {
        return klaxora::test::withoutUids(readFile(QStringLiteral("Alarms.dat")).toStdString());
    }
    bool alarmFileRewritten() const { return alarmFileText() == RewrittenAlarms; }

    struct Outcome {
        int exitCode = -1;
        QByteArray output;
        QByteArray errors;
    };

    // A command, run to its end from the program's folder.
    Outcome Run(const QStringList& arguments, const QProcessEnvironment& variables)
    {
        QProcess process;
        process.setProcessEnvironment(variables);
        process.setWorkingDirectory(folder.path());
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForFinished(30000)) << arguments.join(' ').toStdString();
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }
    Outcome Run(const QStringList& arguments) { return Run(arguments, environment); }

    // Twenty --add started at the same moment, each with a message of its own; all must succeed.
    void addTwentyAtOnce()
    {
        std::array<std::unique_ptr<QProcess>, 20> adds;
        for (std::size_t i = 0; i < adds.size(); ++i) {
            adds[i] = std::make_unique<QProcess>();
            adds[i]->setProcessEnvironment(environment);
            adds[i]->start(program, {QStringLiteral("--add"), QStringLiteral("Alarm %1").arg(i),
                                     QStringLiteral("--at"), QStringLiteral("6:00 AM"),
                                     QStringLiteral("--on"), QStringLiteral("2099-01-01")});
        }
        for (std::size_t i = 0; i < adds.size(); ++i) {
            ASSERT_TRUE(adds[i]->waitForFinished(30000));
            EXPECT_EQ(adds[i]->exitCode(), 0) << adds[i]->readAllStandardError().data();
            EXPECT_EQ(adds[i]->readAllStandardOutput(),
                      QStringLiteral("2099-01-01\t06:00\tboth\tAlarm %1\t\t\n").arg(i));
        }
        const QByteArray file = readFile(QStringLiteral("Alarms.dat"));
        EXPECT_EQ(file.count("\r\n"), 22) << file.data();
        for (std::size_t i = 0; i < adds.size(); ++i)
            EXPECT_EQ(file.count(QStringLiteral("^Alarm %1^").arg(i).toUtf8()), 1) << i;
    }

    QTemporaryDir folder;
    QString runtime;
    QString program;
    QProcessEnvironment environment;
    QProcess first;
    QProcess second;
    QProcess third;
};

TEST_F(ProgramTest, StartRewritesTheAlarmFileBesideTheProgram)
{
    start(first);
    EXPECT_TRUE(waitFor([this] { return alarmFileRewritten(); }))
        << readFile(QStringLiteral("Alarms.dat")).data();
    EXPECT_EQ(readFile(QStringLiteral("ALARM.INI")), PreparedPreferences)
        << "preferences are never written at start";
    EXPECT_FALSE(first.waitForFinished(500)) << "it keeps running";
}

TEST_F(ProgramTest, SecondStartSaysSoAndEndsWhileTheFirstGoesOn)
{
    start(first);
    ASSERT_TRUE(waitFor([this] { return alarmFileRewritten(); }));
    // The first instance's file is changed behind its back; a second instance must not load and rewrite it.
    writeFile(QStringLiteral("Alarms.dat"), PreparedAlarms);

    start(second);
    QByteArray said;
    ASSERT_TRUE(waitFor([this, &said] {
        second.waitForReadyRead(50);
        said += second.readAllStandardError();
        return said.contains(AlreadyRunning.toUtf8()) || second.state() == QProcess::NotRunning;
    }));
    EXPECT_TRUE(said.contains(AlreadyRunning.toUtf8())) << said.data();
    // The message box waits for OK, which nobody presses here; the instance does nothing else meanwhile.
    second.kill();
    second.waitForFinished();

    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(readFile(QStringLiteral("Alarms.dat")), PreparedAlarms);
}

TEST_F(ProgramTest, StartAfterTheFirstWasKilledSucceeds)
{
    start(first);
    ASSERT_TRUE(waitFor([this] { return alarmFileRewritten(); }));
    first.kill(); // SIGKILL: no chance to clean up
    ASSERT_TRUE(first.waitForFinished());

    writeFile(QStringLiteral("Alarms.dat"), PreparedAlarms);
    start(third);
    EXPECT_TRUE(waitFor([this] { return alarmFileRewritten(); }));
    EXPECT_FALSE(third.waitForFinished(500));
    EXPECT_FALSE(third.readAllStandardError().contains(AlreadyRunning.toUtf8()));
}

TEST_F(ProgramTest, AStartWaitsWhileACommandWorksOnTheFiles)
{
    // What a command run without the program holds while it reads and writes the files.
    auto command = std::make_unique<klaxora::SingleInstance>("Klaxora", runtime.toStdString());
    ASSERT_FALSE(command->alreadyRunning());
    start(first);
    EXPECT_FALSE(first.waitForFinished(1000)) << first.readAllStandardError().data();
    EXPECT_EQ(readFile(QStringLiteral("Alarms.dat")), PreparedAlarms) << "nothing read under the command";
    command.reset();
    EXPECT_TRUE(waitFor([this] { return alarmFileRewritten(); }));
    EXPECT_FALSE(first.readAllStandardError().contains(AlreadyRunning.toUtf8()));
}

TEST_F(ProgramTest, CommandsLoadNeitherTheWidgetsNorTheSound)
{
    QProcessEnvironment traced = environment;
    traced.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
    const Outcome listed = Run({QStringLiteral("--list")}, traced);
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_EQ(listed.output,
              "2099-06-15\t19:30\tboth\tWater the plants\t\t\n2099-12-24\t21:05\tmessage\tCall home\t\t\n");
    EXPECT_TRUE(listed.errors.contains("libQt6Core")) << "the loader reports what it maps";
    EXPECT_FALSE(listed.errors.contains("libQt6Widgets"));
    EXPECT_FALSE(listed.errors.contains("libQt6Gui"));
    EXPECT_FALSE(listed.errors.contains("libQt6Multimedia"));
    EXPECT_EQ(alarmFileText(), RewrittenAlarms) << "loaded as the program loads it";
}

TEST_F(ProgramTest, TwentyAddsAtOnceWithoutTheProgram)
{
    addTwentyAtOnce();
}

TEST_F(ProgramTest, TwentyAddsAtOnceHandedToTheRunningProgram)
{
    start(first);
    ASSERT_TRUE(waitFor([this] { return alarmFileRewritten(); }));
    addTwentyAtOnce();
    EXPECT_EQ(first.state(), QProcess::Running);
    // The program's own list holds them too, as its --list tells.
    EXPECT_EQ(Run({QStringLiteral("--list")}).output.count('\n'), 22);
    EXPECT_FALSE(first.readAllStandardError().contains(AlreadyRunning.toUtf8()));
}

TEST_F(ProgramTest, ExitCodesOfCommands)
{
    const Outcome bad = Run(
        {QStringLiteral("--add"), QStringLiteral("Tea"), QStringLiteral("--at"), QStringLiteral("25:00")});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.errors.startsWith("klaxora: --at: '25:00' is not a time")) << bad.errors.data();
    EXPECT_EQ(readFile(QStringLiteral("Alarms.dat")), PreparedAlarms) << "bad input changes nothing";

    const Outcome passed =
        Run({QStringLiteral("--add"), QStringLiteral("Tea"), QStringLiteral("--at"), QStringLiteral("8:00"),
             QStringLiteral("--on"), QStringLiteral("2001-01-01")});
    EXPECT_EQ(passed.exitCode, 3);
    EXPECT_TRUE(passed.errors.contains("has already passed")) << passed.errors.data();

    const Outcome help = Run({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.output.contains("--add")) << help.output.data();

    // An alarm file that cannot be read: nothing is written over it.
    ASSERT_TRUE(QFile::remove(folder.filePath(QStringLiteral("Alarms.dat"))));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Alarms.dat")));
    const Outcome failed = Run({QStringLiteral("--list")});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.errors.contains("the alarm file could not be read")) << failed.errors.data();
}

TEST_F(ProgramTest, AMistypedOptionIsRefusedWithoutAWindow)
{
    const Outcome mistyped = Run({QStringLiteral("--lsit")});
    EXPECT_EQ(mistyped.exitCode, 2);
    EXPECT_EQ(mistyped.errors, "klaxora: Unknown option 'lsit'.\nSee klaxora --help.\n");
}

// Over ssh or from cron: no abort and no core dump, one line and exit code 1.
TEST_F(ProgramTest, AStartWithoutADisplaySaysSoInOneLine)
{
    QProcessEnvironment headless = environment;
    for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
        headless.remove(QLatin1String(name));
    for (const char* display : {"", ":999"}) {
        headless.insert(QStringLiteral("DISPLAY"), QLatin1String(display));
        const Outcome start = Run({}, headless);
        EXPECT_EQ(start.exitCode, 1) << display;
        EXPECT_TRUE(start.errors.startsWith("Klaxora!: no display to show the window on"))
            << start.errors.data();
        EXPECT_EQ(start.errors.count('\n'), 1) << start.errors.data();
    }
}

TEST_F(ProgramTest, AProgramThatDoesNotAnswerEndsTheCommandWithAFailure)
{
    start(first);
    ASSERT_TRUE(waitFor([this] { return alarmFileRewritten(); }));
    ::kill(static_cast<pid_t>(first.processId()), SIGSTOP);
    const Outcome added = Run({QStringLiteral("--add"), QStringLiteral("Tea"), QStringLiteral("--at"),
                               QStringLiteral("8:00"), QStringLiteral("--on"), QStringLiteral("2099-01-01")});
    ::kill(static_cast<pid_t>(first.processId()), SIGCONT);
    EXPECT_EQ(added.exitCode, 1);
    EXPECT_TRUE(added.errors.contains("did not answer")) << added.errors.data();
}

} // namespace
