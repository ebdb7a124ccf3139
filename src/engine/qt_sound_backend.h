// The sound backend on Qt Multimedia's QSoundEffect.
#pragma once

#include "engine/sound_backend.h"

#include <memory>
#include <vector>

class QSoundEffect;

namespace klaxora {

class QtSoundBackend final : public SoundBackend {
public:
    QtSoundBackend();
    ~QtSoundBackend() override;

    bool HasOutput() const override;
    void Play(const QUrl& source) override;
    void Stop() override;
    void Abandon() override;
    void Beep() override;

private:
    // A fresh effect per sound: two effects playing at once would mix rather than replace each other.
    std::unique_ptr<QSoundEffect> effect_;
    // Once a source has hung in loading, QSoundEffect's loader never becomes idle again and deleting
    // any effect would wait for it forever. From then on stopped effects are kept, never deleted; the
    // process still ends normally.
    bool keepStoppedEffects_ = false;
    std::vector<QSoundEffect*> keptEffects_;
};

} // namespace klaxora
