// The desktop's notification area through QSystemTrayIcon: add shows the icon, modify changes its
// picture and tip, delete hides it. The icon's activations reach the record's message window as the
// mouse messages it knows.
#pragma once

#include "controls/tray_shell.h"

#include <QObject>
#include <QSystemTrayIcon>

namespace klaxora {

// Whether the desktop offers a notification area at all; without one the program stays on the task bar.
bool isNotificationAreaAvailable();

class QtTrayShell : public QObject, public TrayShell {
public:
    QtTrayShell();

    void shellNotifyIcon(TrayShellMessage message, const TrayNotifyIconData& data) override;

private:
    void activated(QSystemTrayIcon::ActivationReason reason);
    QSystemTrayIcon& trayIcon();

    // Made when the icon is first added: making it asks the session bus for the desktop's notification
    // area, which a start that never uses the tray need not wait for. A child of this object.
    QSystemTrayIcon* trayIcon_ = nullptr;
    TrayIconMessageWindow* window_ = nullptr;
    unsigned callbackMessage_ = TrayCallbackMessage;
};

} // namespace klaxora
