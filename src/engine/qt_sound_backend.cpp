#include "engine/qt_sound_backend.h"

#include "engine/wave_conversion.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDir>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTemporaryFile>

namespace klaxora {

QtSoundBackend::QtSoundBackend(QString convertedFolder) : convertedFolder_(std::move(convertedFolder)) {}

// Kept effects are left undeleted on purpose (see keepStoppedEffects_).
QtSoundBackend::~QtSoundBackend()
{
    stop();
    if (keepStoppedEffects_) {
        (void)spareEffect_.release();
    }
}

bool QtSoundBackend::hasOutput() const
{
    // Without a sound server QSoundEffect claims to be playing, but there is nowhere to play to.
    return !QMediaDevices::defaultAudioOutput().isNull();
}

void QtSoundBackend::play(const QUrl& source)
{
    stopEffect();
    effect_ = spareEffect_ ? std::move(spareEffect_) : std::make_unique<QSoundEffect>();
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
                reportStatus(Status::Loading);
                break;
            case QSoundEffect::Ready:
                reportStatus(Status::Ready);
                break;
            case QSoundEffect::Error:
                reportStatus(Status::Error);
                break;
            case QSoundEffect::Null:
                break;
            }
        },
        Qt::QueuedConnection);
    // A converted copy is no longer needed once its sound has played to the end.
    QObject::connect(effect, &QSoundEffect::playingChanged, effect, [this, effect] {
        if (effect == effect_.get() && !effect->isPlaying()) {
            converted_.reset();
        }
    });
    effect->setSource(source);
    effect->play();
}

void QtSoundBackend::stop()
{
    stopEffect();
    converted_.reset();
}

void QtSoundBackend::stopEffect()
{
    if (!effect_) {
        return;
    }
    // Its reports are of no interest any more, and must not take the next sound's copy with them.
    effect_->disconnect();
    effect_->stop();
    if (keepStoppedEffects_) {
        spareEffect_ = std::move(effect_);
    } else {
        effect_.reset();
    }
}

void QtSoundBackend::abandon()
{
    keepStoppedEffects_ = true;
    if (effect_) {
        effect_->stop();
        effect_->disconnect();
        keptEffects_.push_back(effect_.release());
    }
}

QString QtSoundBackend::convertedWave(const QString& path)
{
    // Readable by this user only; the previous copy goes.
    QDir().mkpath(convertedFolder_);
    converted_ = std::make_unique<QTemporaryFile>(convertedFolder_ + QStringLiteral("/klaxora-XXXXXX.wav"));
    if (!converted_->open() || !convertWaveToPcm16(path.toStdString(), converted_->handle()) ||
        !converted_->flush()) {
        converted_.reset();
        return {};
    }
    return converted_->fileName();
}

void QtSoundBackend::beep()
{
    QApplication::beep();
}

} // namespace klaxora
