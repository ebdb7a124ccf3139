// The sound backend the program plays through. Qt Multimedia, with the libraries it pulls in (the
// PulseAudio client, codecs, networking), costs more start-up time and memory than all the rest of the
// program, and most runs never play a sound. So the Qt Multimedia backend (QtSoundBackend) is built as a
// module of its own that the program carries inside itself, and this backend loads it from memory the
// first time a sound is to be played; until then the program has no part of Qt Multimedia loaded.
#pragma once

#include "engine/sound_backend.h"

#include <QDir>

#include <memory>

namespace klaxora {

class EmbeddedSoundBackend final : public SoundBackend {
public:
    // Converted copies of WAV files go into `convertedFolder`.
    explicit EmbeddedSoundBackend(QString convertedFolder = QDir::tempPath())
        : convertedFolder_(std::move(convertedFolder))
    {
    }

    // Loads the module at the first call. Without it (it could not be loaded) there is no output.
    bool HasOutput() const override;
    void Play(const QUrl& source) override;
    // Loads the module as well: the conversion is part of it.
    QString ConvertedWave(const QString& path) override;
    // Neither loads the module: nothing can be playing before it is there.
    void Stop() override;
    void Abandon() override;
    void Beep() override;

    // Whether the module has been loaded.
    bool Loaded() const { return backend_ != nullptr; }

private:
    // Null when the module cannot be loaded; it is tried once.
    SoundBackend* Backend() const;

    QString convertedFolder_;
    mutable std::unique_ptr<SoundBackend> backend_;
    mutable bool tried_ = false;
};

} // namespace klaxora
