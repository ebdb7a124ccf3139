// The sound backend on Qt Multimedia's QSoundEffect. Its objects are made with the first sound, so that
// a run that plays none never connects to the sound server.
#pragma once

#include "engine/sound_backend.h"

#include <QDir>

#include <memory>
#include <vector>

class QSoundEffect;
class QTemporaryFile;

namespace klaxora {

class QtSoundBackend final : public SoundBackend {
public:
    // Converted copies of WAV files go into `convertedFolder` (made when first needed).
    explicit QtSoundBackend(QString convertedFolder = QDir::tempPath());
    ~QtSoundBackend() override;

    bool hasOutput() const override;
    void play(const QUrl& source) override;
    QString convertedWave(const QString& path) override;
    void stop() override;
    void abandon() override;
    void beep() override;

private:
    // Stops the effect without giving up the converted copy it may be playing.
    void stopEffect();

    // A fresh effect per sound: two effects playing at once would mix rather than replace each other.
    std::unique_ptr<QSoundEffect> effect_;
    // Once a source has hung in loading, QSoundEffect's loader never becomes idle again and deleting
    // any effect would wait for it forever. From then on stopped effects are kept, never deleted; the
    // process still ends normally.
    bool keepStoppedEffects_ = false;
    // The effects that hung, one for each source given up on.
    std::vector<QSoundEffect*> keptEffects_;
    // Once effects are kept, a stopped one that did not hang is used again for the next sound, so that
    // a long run keeps one more effect, not one for every sound.
    std::unique_ptr<QSoundEffect> spareEffect_;
    QString convertedFolder_;
    // The converted copy of the sound now playing; removed once it has played or is stopped.
    std::unique_ptr<QTemporaryFile> converted_;
};

} // namespace klaxora
