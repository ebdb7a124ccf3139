// Receives the shell's mouse messages for the tray icon and turns button-downs into click, double-click
// and pop-up-menu events once the system double-click time has passed.
#pragma once

#include "controls/tray_shell.h"

#include <QObject>
#include <QTimer>

namespace klaxora {

class TrayIcon;

class TrayIconMessageWindow : public QObject {
public:
    explicit TrayIconMessageWindow(TrayIcon& owner);

    // Entry point of the shell: Message is the callback number of the record, MouseMessage what happened.
    void trayCallback(unsigned message, TrayMouseMessage mouseMessage);

private:
    enum class Button { Left, Right };

    void startClickTimer(Button button);
    void clickTimerTimer();

    TrayIcon& owner_;
    Button lastButton_ = Button::Left;
    bool doubleClickSeen_ = false;
    QTimer clickTimer_;
};

} // namespace klaxora
