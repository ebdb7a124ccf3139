#include "engine/qt_sound_backend.h"

#include <QApplication>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>

namespace klaxora {

QtSoundBackend::QtSoundBackend() = default;

// Kept effects are left undeleted on purpose (see keepStoppedEffects_).
QtSoundBackend::~QtSoundBackend()
{
    Stop();
}

bool QtSoundBackend::HasOutput() const
{
    // Without a sound server QSoundEffect claims to be playing, but there is nowhere to play to.
    return !QMediaDevices::defaultAudioOutput().isNull();
}

void QtSoundBackend::Play(const QUrl& source)
{
    Stop();
    effect_ = std::make_unique<QSoundEffect>();
    QSoundEffect* effect = effect_.get();
    // Queued, so that the player may stop and delete this effect from its status handler. A report still
    // queued when the effect is deleted is dropped with it, and one from a stopped effect is ignored.
    QObject::connect(
        effect, &QSoundEffect::statusChanged, effect,
        [this, effect] {
            if (effect != effect_.get()) {
                return;
            }
            switch (effect->status()) {
            case QSoundEffect::Loading:
                ReportStatus(Status::Loading);
                break;
            case QSoundEffect::Ready:
                ReportStatus(Status::Ready);
                break;
            case QSoundEffect::Error:
                ReportStatus(Status::Error);
                break;
            case QSoundEffect::Null:
                break;
            }
        },
        Qt::QueuedConnection);
    effect->setSource(source);
    effect->play();
}

void QtSoundBackend::Stop()
{
    if (!effect_) {
        return;
    }
    effect_->stop();
    if (keepStoppedEffects_) {
        effect_->disconnect();
        keptEffects_.push_back(effect_.release());
    } else {
        effect_.reset();
    }
}

void QtSoundBackend::Abandon()
{
    keepStoppedEffects_ = true;
    Stop();
}

void QtSoundBackend::Beep()
{
    QApplication::beep();
}

} // namespace klaxora
