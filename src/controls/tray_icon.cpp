#include "controls/tray_icon.h"

#include "controls/leading_characters.h"

namespace klaxora {

bool TrayIcon::stateChanging = false;

namespace {

constexpr unsigned AllNotifyFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

// Sets the shared guard for the duration of an OnStateChanging call, also when the handler raises.
class StateChangingGuard {
public:
    explicit StateChangingGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~StateChangingGuard() { flag_ = false; }
    StateChangingGuard(const StateChangingGuard&) = delete;
    StateChangingGuard& operator=(const StateChangingGuard&) = delete;

private:
    bool& flag_;
};

} // namespace

TrayIcon::TrayIcon(QWidget* owner, std::unique_ptr<TrayShell> shell)
    : QObject(owner), owner_(owner), shell_(shell ? std::move(shell) : std::make_unique<QtTrayShell>()),
      msgWindow_(*this), animation_(*this)
{
    data_.hWnd = &msgWindow_;
}

TrayIcon::~TrayIcon()
{
    deactivate();
}

void TrayIcon::loaded()
{
    loading_ = false;
    if (active_) {
        // An animation begun while loading may no longer match the state that was read.
        animation_.stop();
        active_ = false;
        activate();
    }
}

void TrayIcon::activate()
{
    if (active_) {
        return;
    }
    // The picture is made ready first, so the shell gets it with the add and no modify before it.
    refreshCurrentIcon();
    active_ = true;
    data_.uFlags = AllNotifyFlags;
    sendTrayMessage(TrayShellMessage::NIM_ADD);
    if (state_ == TrayIconState::tsAnimated) {
        animation_.start();
    }
}

void TrayIcon::deactivate()
{
    if (!active_) {
        return;
    }
    active_ = false;
    if (state_ == TrayIconState::tsAnimated) {
        animation_.stop();
    }
    sendTrayMessage(TrayShellMessage::NIM_DELETE);
}

void TrayIcon::showApplication()
{
    if (owner_ != nullptr && owner_->isWindow()) {
        // Only the minimised state goes: a maximised window comes back maximised.
        owner_->setWindowState(owner_->windowState() & ~Qt::WindowMinimized);
        owner_->show();
        owner_->raise();
        owner_->activateWindow();
    }
}

void TrayIcon::hideApplication()
{
    if (owner_ != nullptr && owner_->isWindow()) {
        owner_->hide();
    }
}

void TrayIcon::setIcon(const QIcon& icon)
{
    icon_ = icon;
    updateIcon();
}

void TrayIcon::setDisabledIcon(const QIcon& icon)
{
    disabledIcon_ = icon;
    updateIcon();
}

void TrayIcon::setActive(bool active)
{
    if (active) {
        activate();
    } else {
        deactivate();
    }
}

void TrayIcon::setHint(const QString& hint)
{
    if (hint == hint_) {
        return;
    }
    hint_ = hint;
    if (showHint_) {
        setShowHint(true);
    }
}

void TrayIcon::setShowHint(bool showHint)
{
    showHint_ = showHint;
    data_.szTip = showHint ? leadingCharacters(hint_, TrayTipCapacity) : QString();
    if (active_) {
        sendTrayMessage(TrayShellMessage::NIM_MODIFY);
    }
}

void TrayIcon::setState(TrayIconState state)
{
    // The guard stays set until the running handler returns, so a caught error cannot be followed by a
    // nested change after all.
    if (stateChanging) {
        throw InvalidOperationError("You cannot modify the state property in the OnStateChanging event !!!");
    }
    if (!active_ || loading_) {
        state_ = state; // Activate shows the right picture later
        return;
    }
    if (state == state_) {
        return;
    }
    if (onStateChanging_) {
        StateChangingGuard guard(stateChanging);
        onStateChanging_(*this, state);
    }
    if (state == state_) {
        return;
    }
    if (state_ == TrayIconState::tsAnimated) {
        animation_.stop();
    }
    state_ = state;
    updateIcon();
    if (state_ == TrayIconState::tsAnimated) {
        animation_.start();
    }
}

void TrayIcon::updateIcon()
{
    refreshCurrentIcon();
    if (active_) {
        sendTrayMessage(TrayShellMessage::NIM_MODIFY);
    }
}

void TrayIcon::refreshCurrentIcon()
{
    switch (state_) {
    case TrayIconState::tsEnabled:
        currentIcon_ = icon_;
        break;
    case TrayIconState::tsDisabled:
        currentIcon_ = disabledIcon_;
        break;
    case TrayIconState::tsAnimated:
        animation_.loadCurrentFrame(currentIcon_);
        break;
    }
}

void TrayIcon::sendTrayMessage(TrayShellMessage message)
{
    if (loading_) {
        return;
    }
    if (message == TrayShellMessage::NIM_MODIFY) {
        data_.uFlags = AllNotifyFlags;
    }
    data_.hIcon = currentIcon_;
    shell_->shellNotifyIcon(message, data_);
}

void TrayIcon::click()
{
    if (onClick_) {
        onClick_(*this);
    }
}

void TrayIcon::dblClick()
{
    if (onDblClick_) {
        onDblClick_(*this);
    }
}

void TrayIcon::mouseMove(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, QPoint cursor)
{
    if (onMouseMove_) {
        onMouseMove_(*this, modifiers, buttons, cursor.x(), cursor.y());
    }
}

void TrayIcon::animated()
{
    if (onAnimation_) {
        onAnimation_(*this);
    }
}

} // namespace klaxora
