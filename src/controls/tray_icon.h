// TrayIcon: one icon in the notification area of the desktop, with its picture and tip kept up to
// date, an optional animation, and the icon's clicks turned into events and a pop-up menu.
//
// The component starts in its loading phase, like a component read from a stored form: properties are
// only stored and nothing reaches the shell. The owner sets the properties and then calls Loaded(),
// which adds the icon when Active was set.
#pragma once

#include "controls/qt_tray_shell.h"
#include "controls/tray_icon_animation.h"
#include "controls/tray_icon_message_window.h"
#include "controls/tray_shell.h"

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <stdexcept>

namespace klaxora {

enum class TrayIconState { tsEnabled, tsDisabled, tsAnimated };

// Raised for an operation that is not allowed at this moment.
class InvalidOperationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TrayIcon : public QObject {
public:
    using NotifyHandler = std::function<void(TrayIcon& sender)>;
    // Screen position of the cursor, keys and mouse buttons held at the time.
    using MouseMoveHandler = std::function<void(TrayIcon& sender, Qt::KeyboardModifiers modifiers,
                                                Qt::MouseButtons buttons, int x, int y)>;
    // The handler may change NewState; setting it back to the current state cancels the change.
    using TrayIconStateChangingHandler = std::function<void(TrayIcon& sender, TrayIconState& newState)>;

    // Owner is the window that ShowApplication and HideApplication operate on; it also owns the
    // component. Without a shell the desktop's notification area is used.
    explicit TrayIcon(QWidget* owner, std::unique_ptr<TrayShell> shell = nullptr);
    ~TrayIcon() override;

    // Ends the loading phase; an Active component is then added to the notification area properly.
    void loaded();

    void activate();
    void deactivate();
    void showApplication();
    void hideApplication();

    const QIcon& icon() const { return icon_; }
    void setIcon(const QIcon& icon);
    const QIcon& disabledIcon() const { return disabledIcon_; }
    void setDisabledIcon(const QIcon& icon);
    TrayIconAnimation& animation() { return animation_; }
    bool active() const { return active_; }
    void setActive(bool active);
    bool autoPopup() const { return autoPopup_; }
    void setAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }
    const QString& hint() const { return hint_; }
    void setHint(const QString& hint);
    bool showHint() const { return showHint_; }
    void setShowHint(bool showHint);
    // A plain reference; it clears itself when the menu is destroyed.
    QMenu* popupMenu() const { return popupMenu_; }
    void setPopupMenu(QMenu* menu) { popupMenu_ = menu; }
    TrayIconState state() const { return state_; }
    // Raises InvalidOperationError when called from inside any tray icon's OnStateChanging.
    void setState(TrayIconState state);

    void setOnAnimation(NotifyHandler handler) { onAnimation_ = std::move(handler); }
    void setOnClick(NotifyHandler handler) { onClick_ = std::move(handler); }
    void setOnDblClick(NotifyHandler handler) { onDblClick_ = std::move(handler); }
    void setOnMouseMove(MouseMoveHandler handler) { onMouseMove_ = std::move(handler); }
    void setOnStateChanging(TrayIconStateChangingHandler handler) { onStateChanging_ = std::move(handler); }

    // The picture handed to the shell: a copy of Icon, of DisabledIcon, or the current frame.
    const QIcon& currentIcon() const { return currentIcon_; }
    // Refreshes the current icon from State and informs the shell when Active.
    void updateIcon();

private:
    friend class TrayIconMessageWindow;
    friend class TrayIconAnimation;

    void refreshCurrentIcon();
    void sendTrayMessage(TrayShellMessage message);
    void click();
    void dblClick();
    void mouseMove(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, QPoint cursor);
    void animated();

    // One flag for all tray icons of the program: set while an OnStateChanging handler runs.
    static bool stateChanging;

    QWidget* owner_;
    std::unique_ptr<TrayShell> shell_;
    QIcon currentIcon_;
    TrayNotifyIconData data_;
    TrayIconMessageWindow msgWindow_;
    QIcon icon_;
    QIcon disabledIcon_;
    TrayIconAnimation animation_;
    bool loading_ = true;
    bool active_ = false;
    bool autoPopup_ = false;
    QString hint_;
    bool showHint_ = true;
    QPointer<QMenu> popupMenu_;
    TrayIconState state_ = TrayIconState::tsEnabled;
    NotifyHandler onAnimation_;
    NotifyHandler onClick_;
    NotifyHandler onDblClick_;
    MouseMoveHandler onMouseMove_;
    TrayIconStateChangingHandler onStateChanging_;
};

} // namespace klaxora
