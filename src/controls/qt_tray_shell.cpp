#include "controls/qt_tray_shell.h"

#include "controls/tray_icon_message_window.h"

namespace klaxora {

bool isNotificationAreaAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

QtTrayShell::QtTrayShell() = default;

QSystemTrayIcon& QtTrayShell::trayIcon()
{
    if (trayIcon_ == nullptr) {
        trayIcon_ = new QSystemTrayIcon(this);
        connect(trayIcon_, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) { activated(reason); });
    }
    return *trayIcon_;
}

void QtTrayShell::shellNotifyIcon(TrayShellMessage message, const TrayNotifyIconData& data)
{
    window_ = data.hWnd;
    callbackMessage_ = data.uCallbackMessage;
    switch (message) {
    case TrayShellMessage::NIM_ADD:
    case TrayShellMessage::NIM_MODIFY:
        trayIcon().setIcon(data.hIcon);
        trayIcon().setToolTip(data.szTip);
        if (message == TrayShellMessage::NIM_ADD) {
            trayIcon().show();
        }
        break;
    case TrayShellMessage::NIM_DELETE:
        if (trayIcon_ != nullptr) {
            trayIcon_->hide();
        }
        break;
    }
}

void QtTrayShell::activated(QSystemTrayIcon::ActivationReason reason)
{
    if (window_ == nullptr) {
        return;
    }
    // Qt reports a double click as Trigger followed by DoubleClick, like a button-down before the
    // double-click message.
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        window_->trayCallback(callbackMessage_, TrayMouseMessage::WM_LBUTTONDOWN);
        break;
    case QSystemTrayIcon::DoubleClick:
        window_->trayCallback(callbackMessage_, TrayMouseMessage::WM_LBUTTONDBLCLK);
        break;
    case QSystemTrayIcon::Context:
        window_->trayCallback(callbackMessage_, TrayMouseMessage::WM_RBUTTONDOWN);
        break;
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown:
        break;
    }
}

} // namespace klaxora
