#include "controls/qx_tray_icon.h"

#include "controls/leading_characters.h"

namespace klaxora {

bool TQXTrayIcon95::stateChanging_ = false;

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

TQXTrayIcon95::TQXTrayIcon95(QWidget* owner, std::unique_ptr<TrayShell> shell)
    : QObject(owner), owner_(owner), shell_(shell ? std::move(shell) : std::make_unique<QtTrayShell>()),
      msgWindow_(*this), animation_(*this)
{
    data_.hWnd = &msgWindow_;
}

TQXTrayIcon95::~TQXTrayIcon95()
{
    Deactivate();
}

void TQXTrayIcon95::Loaded()
{
    loading_ = false;
    if (active_) {
        // An animation begun while loading may no longer match the state that was read.
        animation_.Stop();
        active_ = false;
        Activate();
    }
}

void TQXTrayIcon95::Activate()
{
    if (active_) {
        return;
    }
    // The picture is made ready first, so the shell gets it with the add and no modify before it.
    RefreshCurrentIcon();
    active_ = true;
    data_.uFlags = AllNotifyFlags;
    SendTrayMessage(TrayShellMessage::NIM_ADD);
    if (state_ == TQXTrayIconState::tsAnimated) {
        animation_.Start();
    }
}

void TQXTrayIcon95::Deactivate()
{
    if (!active_) {
        return;
    }
    active_ = false;
    if (state_ == TQXTrayIconState::tsAnimated) {
        animation_.Stop();
    }
    SendTrayMessage(TrayShellMessage::NIM_DELETE);
}

void TQXTrayIcon95::ShowApplication()
{
    if (owner_ != nullptr && owner_->isWindow()) {
        // Only the minimised state goes: a maximised window comes back maximised.
        owner_->setWindowState(owner_->windowState() & ~Qt::WindowMinimized);
        owner_->show();
        owner_->raise();
        owner_->activateWindow();
    }
}

void TQXTrayIcon95::HideApplication()
{
    if (owner_ != nullptr && owner_->isWindow()) {
        owner_->hide();
    }
}

void TQXTrayIcon95::SetIcon(const QIcon& icon)
{
    icon_ = icon;
    UpdateIcon();
}

void TQXTrayIcon95::SetDisabledIcon(const QIcon& icon)
{
    disabledIcon_ = icon;
    UpdateIcon();
}

void TQXTrayIcon95::SetActive(bool active)
{
    if (active) {
        Activate();
    } else {
        Deactivate();
    }
}

void TQXTrayIcon95::SetHint(const QString& hint)
{
    if (hint == hint_) {
        return;
    }
    hint_ = hint;
    if (showHint_) {
        SetShowHint(true);
    }
}

void TQXTrayIcon95::SetShowHint(bool showHint)
{
    showHint_ = showHint;
    data_.szTip = showHint ? LeadingCharacters(hint_, TrayTipCapacity) : QString();
    if (active_) {
        SendTrayMessage(TrayShellMessage::NIM_MODIFY);
    }
}

void TQXTrayIcon95::SetState(TQXTrayIconState state)
{
    // The guard stays set until the running handler returns, so a caught error cannot be followed by a
    // nested change after all.
    if (stateChanging_) {
        throw EInvalidOperation("You cannot modify the state property in the OnStateChanging event !!!");
    }
    if (!active_ || loading_) {
        state_ = state; // Activate shows the right picture later
        return;
    }
    if (state == state_) {
        return;
    }
    if (onStateChanging_) {
        StateChangingGuard guard(stateChanging_);
        onStateChanging_(*this, state);
    }
    if (state == state_) {
        return;
    }
    if (state_ == TQXTrayIconState::tsAnimated) {
        animation_.Stop();
    }
    state_ = state;
    UpdateIcon();
    if (state_ == TQXTrayIconState::tsAnimated) {
        animation_.Start();
    }
}

void TQXTrayIcon95::UpdateIcon()
{
    RefreshCurrentIcon();
    if (active_) {
        SendTrayMessage(TrayShellMessage::NIM_MODIFY);
    }
}

void TQXTrayIcon95::RefreshCurrentIcon()
{
    switch (state_) {
    case TQXTrayIconState::tsEnabled:
        currentIcon_ = icon_;
        break;
    case TQXTrayIconState::tsDisabled:
        currentIcon_ = disabledIcon_;
        break;
    case TQXTrayIconState::tsAnimated:
        animation_.LoadCurrentFrame(currentIcon_);
        break;
    }
}

void TQXTrayIcon95::SendTrayMessage(TrayShellMessage message)
{
    if (loading_) {
        return;
    }
    if (message == TrayShellMessage::NIM_MODIFY) {
        data_.uFlags = AllNotifyFlags;
    }
    data_.hIcon = currentIcon_;
    shell_->Shell_NotifyIcon(message, data_);
}

void TQXTrayIcon95::Click()
{
    if (onClick_) {
        onClick_(*this);
    }
}

void TQXTrayIcon95::DblClick()
{
    if (onDblClick_) {
        onDblClick_(*this);
    }
}

void TQXTrayIcon95::MouseMove(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, QPoint cursor)
{
    if (onMouseMove_) {
        onMouseMove_(*this, modifiers, buttons, cursor.x(), cursor.y());
    }
}

void TQXTrayIcon95::Animated()
{
    if (onAnimation_) {
        onAnimation_(*this);
    }
}

} // namespace klaxora
