#include "engine/sound_player.h"

#include "engine/wave_file_check.h"

#include <QFileInfo>
#include <QString>

// The resource lives in a static library, so it must be registered by hand, outside any namespace.
static void registerEngineSounds()
{
    Q_INIT_RESOURCE(engine_sounds);
}

namespace klaxora {

SoundPlayer::SoundPlayer(std::unique_ptr<SoundBackend> backend, std::chrono::milliseconds loadTimeout)
    : backend_(std::move(backend)), loadTimeout_(loadTimeout)
{
    loadTimer_.setSingleShot(true);
    connect(&loadTimer_, &QTimer::timeout, this, [this] {
        backend_->abandon();
        fallBack();
    });
    backend_->setStatusHandler([this](SoundBackend::Status status) { onStatus(status); });
}

SoundPlayer::~SoundPlayer()
{
    stop();
}

QUrl SoundPlayer::defaultSoundUrl()
{
    static const bool registered = (registerEngineSounds(), true);
    (void)registered;
    return QUrl(QStringLiteral("qrc:/klaxora/sounds/default_alarm.wav"));
}

void SoundPlayer::play(const std::string& fileName)
{
    stop();
    if (!backend_->hasOutput()) {
        backend_->beep();
        return;
    }
    // An empty name, a missing file, or one that is not a whole WAV: not worth trying.
    const WaveFileKind kind = fileName.empty() ? WaveFileKind::Unusable : checkWaveFile(fileName);
    QString playable = QString::fromStdString(fileName);
    if (kind == WaveFileKind::NeedsConversion) {
        playable = backend_->convertedWave(playable);
    }
    if (kind == WaveFileKind::Unusable || playable.isEmpty()) {
        start(Attempt::DefaultSound, defaultSoundUrl());
        return;
    }
    start(Attempt::File, QUrl::fromLocalFile(playable));
}

void SoundPlayer::stop()
{
    loadTimer_.stop();
    attempt_ = Attempt::None;
    backend_->stop();
}

void SoundPlayer::start(Attempt attempt, const QUrl& source)
{
    attempt_ = attempt;
    // The backend reads the whole file before it plays: a long sound gets as much more time to load as
    // it has megabytes, or it would be taken for one that hangs.
    const qint64 megabytes = source.isLocalFile() ? QFileInfo(source.toLocalFile()).size() >> 20 : 0;
    loadTimer_.start(loadTimeout_ * (1 + megabytes));
    backend_->play(source);
}

void SoundPlayer::onStatus(SoundBackend::Status status)
{
    if (attempt_ == Attempt::None) {
        return;
    }
    switch (status) {
    case SoundBackend::Status::Loading:
        break;
    case SoundBackend::Status::Ready:
        loadTimer_.stop();
        break;
    case SoundBackend::Status::Error:
        fallBack();
        break;
    }
}

void SoundPlayer::fallBack()
{
    const Attempt failed = attempt_;
    stop();
    if (failed == Attempt::File) {
        start(Attempt::DefaultSound, defaultSoundUrl());
    } else if (failed == Attempt::DefaultSound) {
        backend_->beep();
    }
}

} // namespace klaxora
