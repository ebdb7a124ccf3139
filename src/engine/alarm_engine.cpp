#include "engine/alarm_engine.h"

#include <QCoreApplication>

namespace klaxora {

AlarmEngine::AlarmEngine(AlarmStore& store, const Clock& clock, const Preferences& preferences,
                         AlarmEngineWindow& window, std::unique_ptr<SoundBackend> soundBackend,
                         std::unique_ptr<DesktopNotifier> notifier)
    : preferences_(preferences), window_(window), alarmShow_(std::make_unique<TAlarmShow>()),
      notifier_(std::move(notifier)), player_(std::move(soundBackend)),
      tick_(store, clock, alarmTimer_, *this)
{
    notifier_->SetOnPicked([this] { alarmShow_->BringToFront(); });
    connect(&alarmTimer_.Timer(), &QTimer::timeout, this, [this] { tick(); });
}

void AlarmEngine::PlaySoundNow(const std::string& waveFile)
{
    if (!preferences_.NoAlarmSound) {
        player_.Play(waveFile);
    }
}

int AlarmEngine::ShowAlarmMessage(const std::string& message)
{
    const QString text = QString::fromStdString(message);
    notifier_->Show(text);
    const int result = alarmShow_->Announce(text);
    notifier_->Withdraw();
    return result;
}

void AlarmEngine::ProcessPendingEvents()
{
    QCoreApplication::processEvents();
}

void AlarmEngine::ShowClockText(const std::string& text)
{
    window_.ShowClockText(QString::fromStdString(text));
}

void AlarmEngine::RepaintAlarmList()
{
    window_.RepaintAlarmList();
}

void AlarmEngine::ShowError(const std::string& text)
{
    window_.ShowError(QString::fromStdString(text));
}

} // namespace klaxora
