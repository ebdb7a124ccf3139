// The sound backend on Qt Multimedia's QSoundEffect.
#pragma once

#include "engine/sound_backend.h"

#include <memory>

class QSoundEffect;

namespace klaxora {

class QtSoundBackend final : public SoundBackend {
public:
    QtSoundBackend();
    ~QtSoundBackend() override;

    bool HasOutput() const override;
    void Play(const QUrl& source) override;
    void Stop() override;
    void Beep() override;

private:
    // A fresh effect per sound: two effects playing at once would mix rather than replace each other,
    // and one stuck loading a bad file must not hold up the next.
    std::unique_ptr<QSoundEffect> effect_;
};

} // namespace klaxora
