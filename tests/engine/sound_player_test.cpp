// The sound player's rules, through a fake backend: what plays for every kind of name, the default
// alarm sound as the fallback for everything that cannot play, the beep as the last resort, and one
// sound at a time.
#include "engine/fake_sound_backend.h"
#include "engine/sound_player.h"
#include "engine/wave_bytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace klaxora {
namespace {

using Status = SoundBackend::Status;
using namespace std::chrono_literals;

class SoundPlayerTest : public ::testing::Test {
protected:
    SoundPlayerTest() { CreateFile(bell); }

    static void CreateFile(const QString& path)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        test::WriteBytes(path.toStdString(), test::Tone(440, 0.1, 0.5));
    }
    static std::string Played(const QString& path)
    {
        return "play " + QUrl::fromLocalFile(path).toString().toStdString();
    }
    static std::string PlayedDefault()
    {
        return "play " + SoundPlayer::DefaultSoundUrl().toString().toStdString();
    }
    // Lets queued status reports and the load timeout run.
    static void Wait(std::chrono::milliseconds time) { QTest::qWait(static_cast<int>(time.count())); }
    const std::vector<std::string>& Log() const { return shared->log; }

    QTemporaryDir folder;
    const QString bell = folder.filePath("bell.wav");
    std::shared_ptr<test::FakeSoundBackend::Shared> shared =
        std::make_shared<test::FakeSoundBackend::Shared>();
    SoundPlayer player{std::make_unique<test::FakeSoundBackend>(shared), 60ms};
};

TEST_F(SoundPlayerTest, APlayableFilePlaysOnceAndIsNotCutOffByTheLoadTimeout)
{
    player.Play(bell.toStdString());
    Wait(150ms);
    EXPECT_EQ(Log(), (std::vector<std::string>{"stop", "stop", Played(bell)}));
}

TEST_F(SoundPlayerTest, EmptyMissingOrUnplayableNamesPlayTheDefaultSoundAtOnce)
{
    const QString cutOff = folder.filePath("cut-off.wav");
    test::WriteBytes(cutOff.toStdString(), test::Tone(440, 0.1, 0.5).substr(0, 100));
    for (const std::string& name : {std::string(), folder.filePath("gone.wav").toStdString(),
                                    folder.path().toStdString(), cutOff.toStdString()}) {
        SCOPED_TRACE(name);
        shared->log.clear();
        player.Play(name);
        EXPECT_EQ(Log().back(), PlayedDefault());
    }
}

TEST_F(SoundPlayerTest, AWholeWaveTheBackendCannotPlayPlaysAsItsConvertedCopy)
{
    const QString deep = folder.filePath("24-bit.wav");
    const QString unreadable = folder.filePath("odd.wav");
    for (const QString& path : {deep, unreadable}) {
        test::WriteBytes(path.toStdString(),
                         test::Wave(test::WaveFormat{1, 1, 44100, 24}, std::string(300, 'x')));
    }
    const QString copy = folder.filePath("copy.wav");
    shared->conversions[deep] = copy;
    player.Play(deep.toStdString());
    EXPECT_EQ(Log().back(), Played(copy));
    EXPECT_EQ(std::count(Log().begin(), Log().end(), "convert " + deep.toStdString()), 1);
    // Cannot be read as audio after all: the default sound.
    player.Play(unreadable.toStdString());
    EXPECT_EQ(Log().back(), PlayedDefault());
    // A file the backend plays as it is is not converted.
    shared->log.clear();
    player.Play(bell.toStdString());
    EXPECT_EQ(Log().back(), Played(bell));
    EXPECT_EQ(std::count_if(Log().begin(), Log().end(),
                            [](const std::string& entry) { return entry.starts_with("convert"); }),
              0);
}

TEST_F(SoundPlayerTest, AFileThatFailsToLoadFallsBackToTheDefaultSound)
{
    shared->outcome[QUrl::fromLocalFile(bell).toString()] = Status::Error;
    player.Play(bell.toStdString());
    EXPECT_EQ(Log().back(), Played(bell));
    Wait(10ms);
    EXPECT_EQ(Log().back(), PlayedDefault());
}

TEST_F(SoundPlayerTest, AFileThatKeepsLoadingIsAbandonedForTheDefaultSoundAfterTheTimeout)
{
    shared->outcome[QUrl::fromLocalFile(bell).toString()] = std::nullopt;
    player.Play(bell.toStdString());
    Wait(20ms);
    EXPECT_EQ(Log().back(), Played(bell));
    Wait(100ms);
    const auto abandoned = std::find(Log().begin(), Log().end(), "abandon");
    ASSERT_NE(abandoned, Log().end());
    EXPECT_EQ(*(abandoned - 1), Played(bell));
    EXPECT_EQ(Log().back(), PlayedDefault());
}

TEST_F(SoundPlayerTest, WhenEvenTheDefaultSoundCannotPlayOrThereIsNoOutputTheSystemBeeps)
{
    for (const std::optional<Status> defaultOutcome :
         {std::optional<Status>(Status::Error), std::optional<Status>()}) {
        shared->log.clear();
        shared->outcome[SoundPlayer::DefaultSoundUrl().toString()] = defaultOutcome;
        player.Play("");
        Wait(150ms);
        ASSERT_FALSE(Log().empty());
        EXPECT_EQ(Log().back(), "beep");
        EXPECT_EQ(std::count(Log().begin(), Log().end(), "beep"), 1);
    }

    shared->log.clear();
    shared->hasOutput = false; // no audio output at all
    player.Play(bell.toStdString());
    EXPECT_EQ(Log(), (std::vector<std::string>{"stop", "beep"}));
}

TEST_F(SoundPlayerTest, ANewSoundStopsTheOneStillPlaying)
{
    const QString horn = folder.filePath("horn.wav");
    CreateFile(horn);
    shared->outcome[QUrl::fromLocalFile(bell).toString()] = std::nullopt;
    player.Play(bell.toStdString());
    shared->log.clear();
    player.Play(horn.toStdString());
    // The first never finished loading, yet its timeout must not replace the second by the default.
    Wait(150ms);
    EXPECT_EQ(Log().front(), "stop");
    EXPECT_EQ(Log().back(), Played(horn));
    EXPECT_EQ(std::count(Log().begin(), Log().end(), PlayedDefault()), 0);
}

TEST_F(SoundPlayerTest, ANameLongerThanTwoHundredCharactersIsPlayedInFull)
{
    QString path = folder.path();
    while (path.size() < 240) {
        path += QStringLiteral("/a-rather-long-folder-name");
    }
    path += QStringLiteral("/bell.wav");
    CreateFile(path);
    player.Play(path.toStdString());
    EXPECT_EQ(Log().back(), Played(path));
}

// What QSoundEffect plays reliably: 16-bit PCM, in a RIFF WAVE file; one to two seconds long.
TEST(DefaultAlarmSoundTest, IsShippedInsideTheProgramAsAShortSixteenBitPcmWave)
{
    QFile sound(QStringLiteral(":") + SoundPlayer::DefaultSoundUrl().path());
    ASSERT_TRUE(sound.open(QIODevice::ReadOnly)) << sound.fileName().toStdString();
    const QByteArray wave = sound.readAll();
    ASSERT_GE(wave.size(), 44);
    const auto u16 = [&wave](int at) { return qFromLittleEndian<quint16>(wave.constData() + at); };
    const auto u32 = [&wave](int at) { return qFromLittleEndian<quint32>(wave.constData() + at); };
    EXPECT_EQ(wave.mid(0, 4), "RIFF");
    EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(u16(20), 1);  // PCM
    EXPECT_LE(u16(22), 2);  // channels
    EXPECT_EQ(u16(34), 16); // bits per sample
    EXPECT_EQ(wave.mid(36, 4), "data");
    const double seconds = static_cast<double>(u32(40)) / u32(28);
    EXPECT_GE(seconds, 1.0);
    EXPECT_LE(seconds, 2.0);
    EXPECT_LT(wave.size(), 200 * 1024);
}

TEST_F(SoundPlayerTest, ASoundStillPlayingStopsWithItsOwner)
{
    auto owned = std::make_unique<SoundPlayer>(std::make_unique<test::FakeSoundBackend>(shared), 60ms);
    owned->Play(bell.toStdString());
    shared->log.clear();
    owned.reset();
    EXPECT_EQ(Log(), std::vector<std::string>{"stop"});
}

} // namespace
} // namespace klaxora
