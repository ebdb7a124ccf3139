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
    SoundPlayerTest() { createFile(bell); }

    static void createFile(const QString& path)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        test::writeBytes(path.toStdString(), test::tone(440, 0.1, 0.5));
    }
    static std::string played(const QString& path)
    {
        return "play " + QUrl::fromLocalFile(path).toString().toStdString();
    }
    static std::string playedDefault()
    {
        return "play " + SoundPlayer::defaultSoundUrl().toString().toStdString();
    }
    // Lets queued status reports and the load timeout run.
    static void wait(std::chrono::milliseconds time) { QTest::qWait(static_cast<int>(time.count())); }
    const std::vector<std::string>& log() const { return shared->log; }

    QTemporaryDir folder;
    const QString bell = folder.filePath("bell.wav");
    std::shared_ptr<test::FakeSoundBackend::Shared> shared =
        std::make_shared<test::FakeSoundBackend::Shared>();
    SoundPlayer player{std::make_unique<test::FakeSoundBackend>(shared), 60ms};
};

TEST_F(SoundPlayerTest, APlayableFilePlaysOnceAndIsNotCutOffByTheLoadTimeout)
{
    player.play(bell.toStdString());
    wait(150ms);
    EXPECT_EQ(log(), (std::vector<std::string>{"stop", "stop", played(bell)}));
}

TEST_F(SoundPlayerTest, EmptyMissingOrUnplayableNamesPlayTheDefaultSoundAtOnce)
{
    const QString cutOff = folder.filePath("cut-off.wav");
    test::writeBytes(cutOff.toStdString(), test::tone(440, 0.1, 0.5).substr(0, 100));
    for (const std::string& name : {std::string(), folder.filePath("gone.wav").toStdString(),
                                    folder.path().toStdString(), cutOff.toStdString()}) {
        SCOPED_TRACE(name);
        shared->log.clear();
        player.play(name);
        EXPECT_EQ(log().back(), playedDefault());
    }
}

TEST_F(SoundPlayerTest, AWholeWaveTheBackendCannotPlayPlaysAsItsConvertedCopy)
{
    const QString deep = folder.filePath("24-bit.wav");
    const QString unreadable = folder.filePath("odd.wav");
    for (const QString& path : {deep, unreadable}) {
        test::writeBytes(path.toStdString(),
                         test::wave(test::WaveFormat{1, 1, 44100, 24}, std::string(300, 'x')));
    }
    const QString copy = folder.filePath("copy.wav");
    shared->conversions[deep] = copy;
    player.play(deep.toStdString());
    EXPECT_EQ(log().back(), played(copy));
    EXPECT_EQ(std::count(log().begin(), log().end(), "convert " + deep.toStdString()), 1);
    // Cannot be read as audio after all: the default sound.
    player.play(unreadable.toStdString());
    EXPECT_EQ(log().back(), playedDefault());
    // A file the backend plays as it is is not converted.
    shared->log.clear();
    player.play(bell.toStdString());
    EXPECT_EQ(log().back(), played(bell));
    EXPECT_EQ(std::count_if(log().begin(), log().end(),
                            [](const std::string& entry) { return entry.starts_with("convert"); }),
              0);
}

TEST_F(SoundPlayerTest, AFileThatFailsToLoadFallsBackToTheDefaultSound)
{
    shared->outcome[QUrl::fromLocalFile(bell).toString()] = Status::Error;
    player.play(bell.toStdString());
    EXPECT_EQ(log().back(), played(bell));
    wait(10ms);
    EXPECT_EQ(log().back(), playedDefault());
}

TEST_F(SoundPlayerTest, AFileThatKeepsLoadingIsAbandonedForTheDefaultSoundAfterTheTimeout)
{
    shared->outcome[QUrl::fromLocalFile(bell).toString()] = std::nullopt;
    player.play(bell.toStdString());
    wait(20ms);
    EXPECT_EQ(log().back(), played(bell));
    wait(100ms);
    const auto abandoned = std::find(log().begin(), log().end(), "abandon");
    ASSERT_NE(abandoned, log().end());
    EXPECT_EQ(*(abandoned - 1), played(bell));
    EXPECT_EQ(log().back(), playedDefault());
}

TEST_F(SoundPlayerTest, WhenEvenTheDefaultSoundCannotPlayOrThereIsNoOutputTheSystemBeeps)
{
    for (const std::optional<Status> defaultOutcome :
         {std::optional<Status>(Status::Error), std::optional<Status>()}) {
        shared->log.clear();
        shared->outcome[SoundPlayer::defaultSoundUrl().toString()] = defaultOutcome;
        player.play("");
        wait(150ms);
        ASSERT_FALSE(log().empty());
        EXPECT_EQ(log().back(), "beep");
        EXPECT_EQ(std::count(log().begin(), log().end(), "beep"), 1);
    }

    shared->log.clear();
    shared->hasOutput = false; // no audio output at all
    player.play(bell.toStdString());
    EXPECT_EQ(log(), (std::vector<std::string>{"stop", "beep"}));
}

TEST_F(SoundPlayerTest, ANewSoundStopsTheOneStillPlaying)
{
    const QString horn = folder.filePath("horn.wav");
    createFile(horn);
    shared->outcome[QUrl::fromLocalFile(bell).toString()] = std::nullopt;
    player.play(bell.toStdString());
    shared->log.clear();
    player.play(horn.toStdString());
    // The first never finished loading, yet its timeout must not replace the second by the default.
    wait(150ms);
    EXPECT_EQ(log().front(), "stop");
    EXPECT_EQ(log().back(), played(horn));
    EXPECT_EQ(std::count(log().begin(), log().end(), playedDefault()), 0);
}

TEST_F(SoundPlayerTest, ANameLongerThanTwoHundredCharactersIsPlayedInFull)
{
    QString path = folder.path();
    while (path.size() < 240) {
        path += QStringLiteral("/a-rather-long-folder-name");
    }
    path += QStringLiteral("/bell.wav");
    createFile(path);
    player.play(path.toStdString());
    EXPECT_EQ(log().back(), played(path));
}

// What QSoundEffect plays reliably: 16-bit PCM, in a RIFF WAVE file; one to two seconds long.
TEST(DefaultAlarmSoundTest, IsShippedInsideTheProgramAsAShortSixteenBitPcmWave)
{
    QFile sound(QStringLiteral(":") + SoundPlayer::defaultSoundUrl().path());
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
    owned->play(bell.toStdString());
    shared->log.clear();
    owned.reset();
    EXPECT_EQ(log(), std::vector<std::string>{"stop"});
}

} // namespace
} // namespace klaxora
