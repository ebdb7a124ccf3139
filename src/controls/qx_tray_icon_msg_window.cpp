#include "controls/qx_tray_icon_msg_window.h"

#include "controls/qx_tray_icon.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>

namespace klaxora {

TQXTrayIconMsgWindow::TQXTrayIconMsgWindow(TQXTrayIcon95& owner) : owner_(owner)
{
    clickTimer_.setSingleShot(true);
    connect(&clickTimer_, &QTimer::timeout, this, [this] { ClickTimerTimer(); });
}

void TQXTrayIconMsgWindow::TrayCallback(unsigned message, TrayMouseMessage mouseMessage)
{
    if (message != TrayCallbackMessage) {
        return;
    }
    switch (mouseMessage) {
    case TrayMouseMessage::WM_MOUSEMOVE:
        // Moves during a click would only disturb the click's own handlers.
        if (!clickTimer_.isActive()) {
            owner_.MouseMove(QApplication::queryKeyboardModifiers(), QApplication::mouseButtons(),
                             QCursor::pos());
        }
        break;
    case TrayMouseMessage::WM_LBUTTONDOWN:
        StartClickTimer(Button::Left);
        break;
    case TrayMouseMessage::WM_RBUTTONDOWN:
        StartClickTimer(Button::Right);
        break;
    case TrayMouseMessage::WM_LBUTTONDBLCLK:
    case TrayMouseMessage::WM_RBUTTONDBLCLK:
        doubleClickSeen_ = true;
        break;
    case TrayMouseMessage::WM_LBUTTONUP:
    case TrayMouseMessage::WM_RBUTTONUP:
        break;
    }
}

void TQXTrayIconMsgWindow::StartClickTimer(Button button)
{
    lastButton_ = button;
    doubleClickSeen_ = false;
    // The time counts from the first button-down of a click or double click.
    if (!clickTimer_.isActive()) {
        clickTimer_.start(QApplication::doubleClickInterval());
    }
}

void TQXTrayIconMsgWindow::ClickTimerTimer()
{
    if (doubleClickSeen_) {
        owner_.DblClick();
        return;
    }
    QMenu* menu = owner_.PopupMenu();
    if (lastButton_ == Button::Right && owner_.AutoPopup() && menu != nullptr) {
        // Popped up without a nested loop, so that a click elsewhere closes it as usual.
        menu->popup(QCursor::pos());
        return;
    }
    owner_.Click();
}

} // namespace klaxora
