// The sound backend the program plays through reports how loading a sound went, and never from inside
// Play. (That it reaches the sound server only with the first sound is checked in real_audio_test.cpp,
// which runs a server.)
#include "engine/qt_sound_backend.h"

#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include <optional>

namespace klaxora {
namespace {

TEST(QtSoundBackendTest, TheBackendReportsHowLoadingWent)
{
    QTemporaryDir folder;
    QtSoundBackend backend;
    std::optional<SoundBackend::Status> reported;
    backend.setStatusHandler([&reported](SoundBackend::Status status) { reported = status; });

    backend.play(QUrl::fromLocalFile(folder.filePath(QStringLiteral("missing.wav"))));
    EXPECT_FALSE(reported.has_value()) << "never from inside Play";
    EXPECT_TRUE(QTest::qWaitFor([&reported] { return reported == SoundBackend::Status::Error; }, 5000));
    backend.stop();
}

} // namespace
} // namespace klaxora
