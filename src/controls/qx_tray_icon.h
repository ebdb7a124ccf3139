// TQXTrayIcon95: one icon in the notification area of the desktop, with its picture and tip kept up to
// date, an optional animation, and the icon's clicks turned into events and a pop-up menu.
//
// The component starts in its loading phase, like a component read from a stored form: properties are
// only stored and nothing reaches the shell. The owner sets the properties and then calls Loaded(),
// which adds the icon when Active was set.
#pragma once

#include "controls/qt_tray_shell.h"
#include "controls/qx_tray_icon_animation.h"
#include "controls/qx_tray_icon_msg_window.h"
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

enum class TQXTrayIconState { tsEnabled, tsDisabled, tsAnimated };

// Raised for an operation that is not allowed at this moment.
class EInvalidOperation : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TQXTrayIcon95 : public QObject {
public:
    using TNotifyEvent = std::function<void(TQXTrayIcon95& sender)>;
    // Screen position of the cursor, keys and mouse buttons held at the time.
    using TMouseMoveEvent = std::function<void(TQXTrayIcon95& sender, Qt::KeyboardModifiers modifiers,
                                               Qt::MouseButtons buttons, int x, int y)>;
    // The handler may change NewState; setting it back to the current state cancels the change.
    using TQXTrayIconStateChangingEvent =
        std::function<void(TQXTrayIcon95& sender, TQXTrayIconState& newState)>;

    // Owner is the window that ShowApplication and HideApplication operate on; it also owns the
    // component. Without a shell the desktop's notification area is used.
    explicit TQXTrayIcon95(QWidget* owner, std::unique_ptr<TrayShell> shell = nullptr);
    ~TQXTrayIcon95() override;

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
    TQXTrayIconAnimation& animation() { return animation_; }
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
    TQXTrayIconState state() const { return state_; }
    // Raises EInvalidOperation when called from inside any tray icon's OnStateChanging.
    void setState(TQXTrayIconState state);

    void setOnAnimation(TNotifyEvent handler) { onAnimation_ = std::move(handler); }
    void setOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }
    void setOnDblClick(TNotifyEvent handler) { onDblClick_ = std::move(handler); }
    void setOnMouseMove(TMouseMoveEvent handler) { onMouseMove_ = std::move(handler); }
    void setOnStateChanging(TQXTrayIconStateChangingEvent handler) { onStateChanging_ = std::move(handler); }

    // The picture handed to the shell: a copy of Icon, of DisabledIcon, or the current frame.
    const QIcon& currentIcon() const { return currentIcon_; }
    // Refreshes the current icon from State and informs the shell when Active.
    void updateIcon();

private:
    friend class TQXTrayIconMsgWindow;
    friend class TQXTrayIconAnimation;

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
    TQXTrayIconMsgWindow msgWindow_;
    QIcon icon_;
    QIcon disabledIcon_;
    TQXTrayIconAnimation animation_;
    bool loading_ = true;
    bool active_ = false;
    bool autoPopup_ = false;
    QString hint_;
    bool showHint_ = true;
    QPointer<QMenu> popupMenu_;
    TQXTrayIconState state_ = TQXTrayIconState::tsEnabled;
    TNotifyEvent onAnimation_;
    TNotifyEvent onClick_;
    TNotifyEvent onDblClick_;
    TMouseMoveEvent onMouseMove_;
    TQXTrayIconStateChangingEvent onStateChanging_;
};

} // namespace klaxora
