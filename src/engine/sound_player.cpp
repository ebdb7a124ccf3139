#include "engine/sound_player.h"

#include "engine/wave_file_check.h"

#include <QFileInfo>
#include <QString>

// The resource lives in a static library, so it must be registered by hand, outside any namespace.
static void RegisterEngineSounds()
{
    Q_INIT_RESOURCE(engine_sounds);
}

namespace klaxora {

SoundPlayer::SoundPlayer(std::unique_ptr<SoundBackend> backend, std::chrono::milliseconds loadTimeout)
    : backend_(std::move(backend)), loadTimeout_(loadTimeout)
{
    loadTimer_.setSingleShot(true);
    connect(&loadTimer_, &QTimer::timeout, this, [this] {
        backend_->Abandon();
        FallBack();
    });
    backend_->SetStatusHandler([this](SoundBackend::Status status) { OnStatus(status); });
}

SoundPlayer::~SoundPlayer()
{
    Stop();
}

QUrl SoundPlayer::DefaultSoundUrl()
{
    static const bool registered = (RegisterEngineSounds(), true);
    (void)registered;
    return QUrl(QStringLiteral("qrc:/klaxora/sounds/default_alarm.wav"));
}

void SoundPlayer::Play(const std::string& fileName)
{
    Stop();
    if (!backend_->HasOutput()) {
        backend_->Beep();
        return;
    }
    // An empty name, a missing file, or one that is not a whole WAV: not worth trying.
    const WaveFileKind kind = fileName.empty() ? WaveFileKind::Unusable : CheckWaveFile(fileName);
    QString playable = QString::fromStdString(fileName);
    if (kind == WaveFileKind::NeedsConversion) {
        playable = backend_->ConvertedWave(playable);
    }
    if (kind == WaveFileKind::Unusable || playable.isEmpty()) {
        Start(Attempt::DefaultSound, DefaultSoundUrl());
        return;
    }
    Start(Attempt::File, QUrl::fromLocalFile(playable));
}

void SoundPlayer::Stop()
{
    loadTimer_.stop();
    attempt_ = Attempt::None;
    backend_->Stop();
}

void SoundPlayer::Start(Attempt attempt, const QUrl& source)
{
    attempt_ = attempt;
    // The backend reads the whole file before it plays: a long sound gets as much more time to load as
    // it has megabytes, or it would be taken for one that hangs.
    const qint64 megabytes = source.isLocalFile() ? QFileInfo(source.toLocalFile()).size() >> 20 : 0;
    loadTimer_.start(loadTimeout_ * (1 + megabytes));
    backend_->Play(source);
}

void SoundPlayer::OnStatus(SoundBackend::Status status)
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
        FallBack();
        break;
    }
}

void SoundPlayer::FallBack()
{
    const Attempt failed = attempt_;
    Stop();
    if (failed == Attempt::File) {
        Start(Attempt::DefaultSound, DefaultSoundUrl());
    } else if (failed == Attempt::DefaultSound) {
        backend_->Beep();
    }
}

} // namespace klaxora
