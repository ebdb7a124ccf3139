#include "controls/tray_icon_message_window.h"

#include "controls/tray_icon.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>

namespace klaxora {

TrayIconMessageWindow::TrayIconMessageWindow(TrayIcon& owner) : owner_(owner)
{
    clickTimer_.setSingleShot(true);
    connect(&clickTimer_, &QTimer::timeout, this, [this] { clickTimerTimer(); });
}

void TrayIconMessageWindow::trayCallback(unsigned message, TrayMouseMessage mouseMessage)
{
    if (message != TrayCallbackMessage) {
        return;
    }
    switch (mouseMessage) {
    case TrayMouseMessage::WM_MOUSEMOVE:
        // Moves during a click would only disturb the click's own handlers.
        if (!clickTimer_.isActive()) {
            owner_.mouseMove(QApplication::queryKeyboardModifiers(), QApplication::mouseButtons(),
                             QCursor::pos());
        }
        break;
    case TrayMouseMessage::WM_LBUTTONDOWN:
        startClickTimer(Button::Left);
        break;
    case TrayMouseMessage::WM_RBUTTONDOWN:
        startClickTimer(Button::Right);
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

void TrayIconMessageWindow::startClickTimer(Button button)
{
    lastButton_ = button;
    doubleClickSeen_ = false;
    // The time counts from the first button-down of a click or double click.
    if (!clickTimer_.isActive()) {
        clickTimer_.start(QApplication::doubleClickInterval());
    }
}

void TrayIconMessageWindow::clickTimerTimer()
{
    if (doubleClickSeen_) {
        owner_.dblClick();
        return;
    }
    QMenu* menu = owner_.popupMenu();
    if (lastButton_ == Button::Right && owner_.autoPopup() && menu != nullptr) {
        // Popped up without a nested loop, so that a click elsewhere closes it as usual.
        menu->popup(QCursor::pos());
        return;
    }
    owner_.click();
}

} // namespace klaxora
