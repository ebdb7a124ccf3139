// The alarm engine as the window uses it: the alarm timer with its tick, the notification dialog and the
// sound player, all created once and kept for the life of the main window. The window supplies the list-view
// side of the tick.
#pragma once

#include "engine/alarm_tick.h"
#include "engine/desktop_notifier.h"
#include "engine/freedesktop_notifier.h"
#include "engine/notification_dialog.h"
#include "engine/qt_alarm_timer.h"
#include "engine/qt_sound_backend.h"
#include "engine/sound_backend.h"
#include "engine/sound_player.h"
#include "store/alarm_store.h"
#include "store/clock.h"
#include "store/preferences_file.h"

#include <QObject>
#include <QString>

#include <memory>
#include <string>

namespace klaxora {

// What the tick shows in the main window.
class AlarmEngineWindow {
public:
    virtual ~AlarmEngineWindow() = default;
    // The clock panel.
    virtual void showClockText(const QString& text) = 0;
    virtual void repaintAlarmList() = 0;
    // The application's standard error box.
    virtual void showError(const QString& text) = 0;
};

class AlarmEngine : public QObject, private AlarmTickHost {
    Q_OBJECT

public:
    // All references must outlive the engine; the preferences are read at every sound. The timer is off
    // until alarmTimer().SwitchOn(); a sound still playing stops when the engine goes. The desktop notice
    // goes up with every notification window and down with its answer.
    AlarmEngine(AlarmStore& store, const Clock& clock, const Preferences& preferences,
                AlarmEngineWindow& window,
                std::unique_ptr<SoundBackend> soundBackend = std::make_unique<QtSoundBackend>(),
                std::unique_ptr<DesktopNotifier> notifier = std::make_unique<FreedesktopNotifier>());

    // For the bracket of every modal command (TimerOffBracket) and the first activation (SwitchOn).
    QtAlarmTimer& alarmTimer() { return alarmTimer_; }
    NotificationDialog& alarmShow() { return *alarmShow_; }
    SoundPlayer& sound() { return player_; }

    // Plays an alarm's sound file, unless "No Alarm Sound" is checked.
    void playSoundNow(const std::string& waveFile) override;
    void tick() { tick_.run(); }

private:
    int showAlarmMessage(const std::string& message) override;
    bool showMissedAlarms(const std::vector<std::string>& lines) override;
    void processPendingEvents() override;
    void showClockText(const std::string& text) override;
    void repaintAlarmList() override;
    void showError(const std::string& text) override;

    const Preferences& preferences_;
    AlarmEngineWindow& window_;
    QtAlarmTimer alarmTimer_;
    std::unique_ptr<NotificationDialog> alarmShow_;
    std::unique_ptr<DesktopNotifier> notifier_;
    SoundPlayer player_;
    AlarmTick tick_;
};

} // namespace klaxora
