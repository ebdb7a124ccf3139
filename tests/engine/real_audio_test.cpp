// Plays real WAV files through QSoundEffect into a PulseAudio daemon of the test's own and records what
// comes out of it: a sound is heard while it plays, and silence follows a stop or a replacement. Without
// PulseAudio the test says so and is skipped.
#include "engine/qt_sound_backend.h"
#include "engine/sound_player.h"
#include "engine/wave_bytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <sys/prctl.h>
#include <unistd.h>

namespace klaxora {
namespace {

constexpr int Rate = 44100; // of the recording: mono, 16-bit
constexpr double Heard = 0.05;
constexpr double Silent = 0.005;

// A PulseAudio daemon in a scratch HOME with a null sink as the default output, kept running by a
// stream of silence (so that the recording keeps real time), and a recorder on the sink's monitor.
class AudioServer {
public:
    AudioServer()
    {
        for (const char* tool : {"pulseaudio", "pactl", "pacat", "parec"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
                failure_ = std::string(tool) + " is not installed";
                return;
            }
        }
        const QString home = scratch_.filePath(QStringLiteral("home"));
        const QString runtime = scratch_.filePath(QStringLiteral("runtime"));
        QDir().mkpath(home);
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        // Before Qt Multimedia first looks for a sound server, so that it finds this one.
        setenv("HOME", home.toLocal8Bit().constData(), 1);
        setenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit().constData(), 1);
        setenv("XDG_CONFIG_HOME", (home + QStringLiteral("/.config")).toLocal8Bit().constData(), 1);
        unsetenv("PULSE_SERVER");
        // However the test ends, its helpers end with it.
        for (QProcess* process : {&daemon_, &keepAlive_, &recorder_}) {
            process->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        }

        daemon_.start(
            QStringLiteral("pulseaudio"),
            {QStringLiteral("--daemonize=no"), QStringLiteral("--system=false"),
             QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--disallow-exit"),
             QStringLiteral("--log-target=file:") + scratch_.filePath(QStringLiteral("pulse.log"))});
        if (!daemon_.waitForStarted(3000) || !waitForServer()) {
            failure_ = "the PulseAudio daemon did not come up (see its log for why)";
            return;
        }
        if (!pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                    QStringLiteral("sink_name=cap")}) ||
            !pactl({QStringLiteral("set-default-sink"), QStringLiteral("cap")})) {
            failure_ = "no null sink could be set up";
            return;
        }
        keepAlive_.start(QStringLiteral("pacat"),
                         {QStringLiteral("--playback"), QStringLiteral("--latency-msec=20"),
                          QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                          QStringLiteral("--rate=44100"), QStringLiteral("--channels=2"),
                          QStringLiteral("-d"), QStringLiteral("cap"), QStringLiteral("/dev/zero")});
        recorder_.start(QStringLiteral("parec"),
                        {QStringLiteral("--latency-msec=20"), QStringLiteral("-d"),
                         QStringLiteral("cap.monitor"), QStringLiteral("--raw"),
                         QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                         QStringLiteral("--channels=1")});
        QObject::connect(&recorder_, &QProcess::readyReadStandardOutput,
                         [this] { recording_.append(recorder_.readAllStandardOutput()); });
        if (!QTest::qWaitFor([this] { return position() > Rate / 10; }, 5000)) {
            failure_ = "the recorder on the null sink's monitor delivered nothing";
        }
    }

    ~AudioServer()
    {
        for (QProcess* process : {&recorder_, &keepAlive_, &daemon_}) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(3000);
            }
        }
    }

    // Empty when the server runs and records.
    const std::string& failure() const { return failure_; }
    const QTemporaryDir& scratch() const { return scratch_; }

    // Samples recorded so far: the recording's clock.
    qint64 position() const { return recording_.size() / 2; }
    static qint64 samples(double seconds) { return static_cast<qint64>(seconds * Rate); }

    // RMS (full scale 1) of the recording between two positions, once it has got that far.
    double rms(qint64 from, qint64 to)
    {
        EXPECT_TRUE(QTest::qWaitFor([this, to] { return position() >= to; }, 10000));
        double sum = 0;
        for (qint64 i = from; i < to; ++i) {
            const double sample = qFromLittleEndian<qint16>(recording_.constData() + 2 * i) / 32768.0;
            sum += sample * sample;
        }
        return std::sqrt(sum / static_cast<double>(to - from));
    }

    // Seconds in which the sound was heard between two positions, counted in windows of 10 ms.
    double heardSeconds(qint64 from, qint64 to)
    {
        const qint64 window = samples(0.01);
        int heard = 0;
        for (qint64 at = from; at + window <= to; at += window) {
            heard += rms(at, at + window) > Heard ? 1 : 0;
        }
        return heard * 0.01;
    }

    // The first position from `from` on at which a sound is heard, or -1.
    qint64 firstHeard(qint64 from, qint64 to)
    {
        const qint64 window = samples(0.01);
        for (qint64 at = from; at + window <= to; at += window) {
            if (rms(at, at + window) > Heard) {
                return at;
            }
        }
        return -1;
    }

    // The frequency of a tone between two positions, from its rising zero crossings.
    double frequency(qint64 from, qint64 to)
    {
        EXPECT_TRUE(QTest::qWaitFor([this, to] { return position() >= to; }, 10000));
        int rising = 0;
        for (qint64 i = from + 1; i < to; ++i) {
            rising += sample(i - 1) < 0 && sample(i) >= 0 ? 1 : 0;
        }
        return rising / (static_cast<double>(to - from) / Rate);
    }

    // Whether the process `pid` is connected to the server as a client.
    bool connected(qint64 pid)
    {
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("clients")});
        pactl.waitForFinished(5000);
        return pactl.readAllStandardOutput().contains(
            QStringLiteral("application.process.id = \"%1\"").arg(pid).toUtf8());
    }

private:
    qint16 sample(qint64 at) const { return qFromLittleEndian<qint16>(recording_.constData() + 2 * at); }
    bool pactl(const QStringList& arguments)
    {
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"), arguments);
        return pactl.waitForFinished(5000) && pactl.exitStatus() == QProcess::NormalExit &&
               pactl.exitCode() == 0;
    }
    bool waitForServer()
    {
        for (int attempt = 0; attempt < 50; ++attempt) {
            if (pactl({QStringLiteral("info")})) {
                return true;
            }
            QTest::qWait(100);
        }
        return false;
    }

    QTemporaryDir scratch_;
    QProcess daemon_;
    QProcess keepAlive_;
    QProcess recorder_;
    QByteArray recording_;
    std::string failure_;
};

// A run that plays no sound never connects to the sound server: the backend does so with the first sound.
TEST(RealAudioTest, TheSoundServerIsReachedWithTheFirstSoundOnly)
{
    AudioServer server;
    if (!server.failure().empty()) {
        GTEST_SKIP() << "No audio server for this test: " << server.failure();
    }
    const qint64 self = QCoreApplication::applicationPid();
    ASSERT_FALSE(server.connected(self)) << "run this test in a process of its own";
    QtSoundBackend backend;
    // What the program does before any alarm rings: stop sounds when the window goes.
    backend.stop();
    backend.abandon();
    EXPECT_FALSE(server.connected(self));

    // The player's first question before a sound.
    EXPECT_TRUE(backend.hasOutput());
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.connected(self); }, 5000));
}

TEST(RealAudioTest, SoundsAreHeardWhilePlayingAndSilencedByAStopOrAReplacement)
{
    AudioServer server;
    if (!server.failure().empty()) {
        GTEST_SKIP() << "No audio server for this test: " << server.failure();
    }
    const auto file = [&server](const char* name, const std::string& bytes) {
        const QString path = server.scratch().filePath(QString::fromLatin1(name));
        test::writeBytes(path.toStdString(), bytes);
        return path.toStdString();
    };
    const std::string longTone = file("long.wav", test::tone(440, 4.0, 0.5));
    const std::string shortTone = file("short.wav", test::tone(880, 0.3, 0.5));
    const std::string cutOff = file("cut-off.wav", test::tone(440, 1.0, 0.5).substr(0, 1000));
    const std::string text = file("text.wav", "hello\n");

    auto backend = std::make_unique<QtSoundBackend>();
    ASSERT_TRUE(backend->hasOutput()) << "Qt Multimedia does not see the test's sound server";
    SoundPlayer player(std::move(backend));

    qint64 at = server.position();
    EXPECT_LT(server.rms(at, at + server.samples(0.3)), Silent) << "silence before anything plays";

    at = server.position();
    player.play(longTone);
    EXPECT_GT(server.rms(at + server.samples(0.4), at + server.samples(0.9)), Heard) << "a playing sound";

    at = server.position();
    player.stop();
    EXPECT_LT(server.rms(at + server.samples(0.4), at + server.samples(0.8)), Silent) << "after a stop";

    player.play(longTone);
    QTest::qWait(500);
    at = server.position();
    player.play(shortTone);
    // The long tone had three seconds to go; mixed rather than replaced, it would still be heard.
    EXPECT_LT(server.rms(at + server.samples(0.8), at + server.samples(1.2)), Silent)
        << "after a replacement";

    at = server.position();
    player.play("");
    EXPECT_GT(server.rms(at + server.samples(0.2), at + server.samples(0.6)), Heard) << "the default sound";
    player.stop();

    // Files that the backend would hang loading: the default sound at once.
    for (const std::string& unplayable : {cutOff, text}) {
        QTest::qWait(300);
        at = server.position();
        player.play(unplayable);
        EXPECT_GT(server.rms(at + server.samples(0.3), at + server.samples(0.7)), Heard) << unplayable;
        player.stop();
    }
    // Still in good order: a sound plays and stops, and the player can go without waiting on anything.
    at = server.position();
    player.play(shortTone);
    EXPECT_GT(server.rms(at + server.samples(0.1), at + server.samples(0.3)), Heard) << "the last sound";
}

// WAV files as Windows programs write them, in formats QSoundEffect cannot play, are heard as the user's
// own sound: each is a 0.8-second tone of 660 Hz, and the default sound is neither.
TEST(RealAudioTest, TwentyFourBitFloatAndExtensibleWavesAreHeardAsThemselves)
{
    AudioServer server;
    if (!server.failure().empty()) {
        GTEST_SKIP() << "No audio server for this test: " << server.failure();
    }
    const struct {
        const char* name;
        test::WaveFormat format;
        bool extensible;
    } files[] = {
        {"24-bit.wav", {1, 1, 44100, 24}, false},
        {"float.wav", {3, 2, 44100, 32}, false},
        {"extensible-6-channels.wav", {1, 6, 44100, 16}, true},
        {"extensible-24-bit.wav", {1, 2, 48000, 24}, true},
    };
    // A folder of the test's own for the converted copies: another program's leftovers are not this
    // test's business.
    const QString converted = server.scratch().filePath(QStringLiteral("converted"));
    auto player = std::make_unique<SoundPlayer>(std::make_unique<QtSoundBackend>(converted));
    for (const auto& wave : files) {
        SCOPED_TRACE(wave.name);
        const std::string samples = test::toneSamples(wave.format, 660, 0.8, 0.5);
        const QString path = server.scratch().filePath(QString::fromLatin1(wave.name));
        test::writeBytes(path.toStdString(), wave.extensible ? test::extensibleWave(wave.format, samples)
                                                             : test::wave(wave.format, samples));
        QTest::qWait(300);
        const qint64 at = server.position();
        player->play(path.toStdString());
        const qint64 start = server.firstHeard(at, at + server.samples(1.5));
        ASSERT_GE(start, 0) << "nothing was heard";
        // Wide enough for a recording that drops a little under load; the default sound is 1.3 seconds
        // of about 1350 Hz.
        EXPECT_NEAR(server.heardSeconds(start, start + server.samples(2.5)), 0.8, 0.2);
        EXPECT_NEAR(server.frequency(start + server.samples(0.1), start + server.samples(0.6)), 660, 60);
    }
    // Once the sound is stopped, none of the converted copies is left behind.
    player->stop();
    EXPECT_TRUE(QDir(converted).entryList({QStringLiteral("klaxora-*.wav")}).isEmpty());
}

// A long WAV takes a while to load; it is not mistaken for one that hangs and replaced by the default.
TEST(RealAudioTest, ALongWaveIsHeardAsItselfLongAfterTheLoadTimeout)
{
    AudioServer server;
    if (!server.failure().empty()) {
        GTEST_SKIP() << "No audio server for this test: " << server.failure();
    }
    const test::WaveFormat format{1, 2, 44100, 16}; // 60 seconds, 10.6 MB
    const QString path = server.scratch().filePath(QStringLiteral("long.wav"));
    test::writeBytes(path.toStdString(), test::wave(format, test::toneSamples(format, 550, 60, 0.5)));
    SoundPlayer player(std::make_unique<QtSoundBackend>());
    const qint64 at = server.position();
    player.play(path.toStdString());
    EXPECT_NEAR(server.frequency(at + server.samples(3.0), at + server.samples(3.5)), 550, 50);
    player.stop();
}

} // namespace
} // namespace klaxora
