#include "engine/alarm_engine.h"

#include "engine/missed_alarms_dialog.h"

#include <QCoreApplication>

namespace klaxora {

AlarmEngine::AlarmEngine(AlarmStore& store, const Clock& clock, const Preferences& preferences,
                         AlarmEngineWindow& window, std::unique_ptr<SoundBackend> soundBackend,
                         std::unique_ptr<DesktopNotifier> notifier)
    : preferences_(preferences), window_(window), alarmShow_(std::make_unique<NotificationDialog>()),
      notifier_(std::move(notifier)), player_(std::move(soundBackend)),
      tick_(store, clock, alarmTimer_, *this)
{
    notifier_->setOnPicked([this] { alarmShow_->bringToFront(); });
    tick_.setTranslate([](const char* context, const char* text) {
        return QCoreApplication::translate(context, text).toStdString();
    });
    connect(&alarmTimer_.timer(), &QTimer::timeout, this, [this] { tick(); });
}

void AlarmEngine::playSoundNow(const std::string& waveFile)
{
    if (!preferences_.noAlarmSound) {
        player_.play(waveFile);
    }
}

int AlarmEngine::showAlarmMessage(const std::string& message)
{
    const QString text = QString::fromStdString(message);
    notifier_->show(text);
    const int result = alarmShow_->announce(text);
    notifier_->withdraw();
    return result;
}

bool AlarmEngine::showMissedAlarms(const std::vector<std::string>& lines)
{
    QStringList texts;
    for (const std::string& line : lines) {
        texts.push_back(QString::fromStdString(line));
    }
    notifier_->show(tr("%n alarms were missed", nullptr, static_cast<int>(texts.size())));
    MissedAlarmsDialog dialog;
    const bool deleteAll = dialog.ask(texts);
    notifier_->withdraw();
    return deleteAll;
}

void AlarmEngine::processPendingEvents()
{
    QCoreApplication::processEvents();
}

void AlarmEngine::showClockText(const std::string& text)
{
    window_.showClockText(QString::fromStdString(text));
}

void AlarmEngine::repaintAlarmList()
{
    window_.repaintAlarmList();
}

void AlarmEngine::showError(const std::string& text)
{
    window_.showError(QString::fromStdString(text));
}

} // namespace klaxora
