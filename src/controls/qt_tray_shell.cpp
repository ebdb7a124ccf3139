#include "controls/qt_tray_shell.h"

#include "controls/qx_tray_icon_msg_window.h"

namespace klaxora {

bool IsNotificationAreaAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

QtTrayShell::QtTrayShell() = default;

QSystemTrayIcon& QtTrayShell::TrayIcon()
{
    if (trayIcon_ == nullptr) {
        trayIcon_ = new QSystemTrayIcon(this);
        connect(trayIcon_, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) { Activated(reason); });
    }
    return *trayIcon_;
}

void QtTrayShell::Shell_NotifyIcon(TrayShellMessage message, const TrayNotifyIconData& data)
{
    window_ = data.hWnd;
    callbackMessage_ = data.uCallbackMessage;
    switch (message) {
    case TrayShellMessage::NIM_ADD:
    case TrayShellMessage::NIM_MODIFY:
        TrayIcon().setIcon(data.hIcon);
        TrayIcon().setToolTip(data.szTip);
        if (message == TrayShellMessage::NIM_ADD) {
            TrayIcon().show();
        }
        break;
    case TrayShellMessage::NIM_DELETE:
        if (trayIcon_ != nullptr) {
            trayIcon_->hide();
        }
        break;
    }
}

void QtTrayShell::Activated(QSystemTrayIcon::ActivationReason reason)
{
    if (window_ == nullptr) {
        return;
    }
    // Qt reports a double click as Trigger followed by DoubleClick, like a button-down before the
    // double-click message.
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        window_->TrayCallback(callbackMessage_, TrayMouseMessage::WM_LBUTTONDOWN);
        break;
    case QSystemTrayIcon::DoubleClick:
        window_->TrayCallback(callbackMessage_, TrayMouseMessage::WM_LBUTTONDBLCLK);
        break;
    case QSystemTrayIcon::Context:
        window_->TrayCallback(callbackMessage_, TrayMouseMessage::WM_RBUTTONDOWN);
        break;
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown:
        break;
    }
}

} // namespace klaxora
