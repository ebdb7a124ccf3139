// The sound backend the program plays through: Qt Multimedia comes into the process with the first sound
// and not before, and the module loaded from inside the program then works as the Qt backend does.
#include "engine/embedded_sound_backend.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include <optional>

namespace klaxora {
namespace {

bool QtMultimediaInProcess()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read /proc/self/maps";
        return false;
    }
    return maps.readAll().contains("libQt6Multimedia.so");
}

TEST(EmbeddedSoundBackendTest, QtMultimediaIsLoadedWithTheFirstSoundOnly)
{
    ASSERT_FALSE(QtMultimediaInProcess()) << "this test program must not link Qt Multimedia";
    EmbeddedSoundBackend backend;
    // What the program does before any alarm rings: stop sounds when the window goes.
    backend.Stop();
    backend.Abandon();
    EXPECT_FALSE(backend.Loaded());
    EXPECT_FALSE(QtMultimediaInProcess());

    // The player's first question before a sound.
    (void)backend.HasOutput();
    EXPECT_TRUE(backend.Loaded()) << "the module carried in the program could not be loaded";
    EXPECT_TRUE(QtMultimediaInProcess());
}

TEST(EmbeddedSoundBackendTest, TheLoadedModuleReportsHowLoadingWent)
{
    QTemporaryDir folder;
    EmbeddedSoundBackend backend;
    std::optional<SoundBackend::Status> reported;
    backend.SetStatusHandler([&reported](SoundBackend::Status status) { reported = status; });

    backend.Play(QUrl::fromLocalFile(folder.filePath(QStringLiteral("missing.wav"))));
    EXPECT_FALSE(reported.has_value()) << "never from inside Play";
    EXPECT_TRUE(QTest::qWaitFor([&reported] { return reported == SoundBackend::Status::Error; }, 5000));
    backend.Stop();
}

} // namespace
} // namespace klaxora
