#include "engine/freedesktop_notifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace klaxora {

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = Service;
const QString DefaultAction = QStringLiteral("default");
// Urgency levels of the notification service: 0 low, 1 normal, 2 critical (stays until dismissed).
constexpr uchar CriticalUrgency = 2;

} // namespace

FreedesktopNotifier::FreedesktopNotifier(std::function<QDBusConnection()> bus) : busSource_(std::move(bus)) {}

void FreedesktopNotifier::show(const QString& message)
{
    if (!connectToService()) {
        return;
    }
    withdraw();
    message_ = message;
    active_ = true;
    notifySent_ = false;
    ++showCount_;
    if (capabilitiesKnown_) {
        sendNotify();
    } else {
        askCapabilities();
    }
}

void FreedesktopNotifier::withdraw()
{
    active_ = false;
    if (id_ != 0) {
        closeNotification(id_);
        id_ = 0;
    }
}

bool FreedesktopNotifier::connectToService()
{
    if (!busAsked_) {
        busAsked_ = true;
        bus_ = busSource_();
        if (bus_.isConnected()) {
            bus_.connect(Service, Path, Interface, QStringLiteral("ActionInvoked"), this,
                         SLOT(actionInvoked(uint, QString)));
            bus_.connect(Service, Path, Interface, QStringLiteral("NotificationClosed"), this,
                         SLOT(notificationClosed(uint, uint)));
        }
    }
    return bus_.isConnected();
}

QDBusMessage FreedesktopNotifier::call(const QString& method) const
{
    return QDBusMessage::createMethodCall(Service, Path, Interface, method);
}

void FreedesktopNotifier::askCapabilities()
{
    if (capabilitiesAsked_) {
        return;
    }
    capabilitiesAsked_ = true;
    auto* watcher =
        new QDBusPendingCallWatcher(bus_.asyncCall(call(QStringLiteral("GetCapabilities"))), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        const QDBusPendingReply<QStringList> reply = *call;
        capabilitiesAsked_ = false;
        if (reply.isError()) {
            // No service: asked again at the next alarm, which may find one started meanwhile.
            return;
        }
        capabilitiesKnown_ = true;
        bodyMarkup_ = reply.value().contains(QStringLiteral("body-markup"));
        if (active_ && !notifySent_) {
            sendNotify();
        }
    });
}

void FreedesktopNotifier::sendNotify()
{
    notifySent_ = true;
    QDBusMessage notify = call(QStringLiteral("Notify"));
    const QString title = QStringLiteral("Klaxora!");
    const QVariantMap hints{{QStringLiteral("urgency"), QVariant::fromValue(CriticalUrgency)},
                            {QStringLiteral("desktop-entry"), QStringLiteral("klaxora")}};
    // The default action alone: the notice has no buttons of its own, the window stays the one place
    // where an alarm is answered.
    const QStringList actions{DefaultAction, tr("Show")};
    // Never expires: it goes when the alarm is answered.
    notify << title << uint{0} << QStringLiteral("klaxora") << title
           << (bodyMarkup_ ? message_.toHtmlEscaped() : message_) << actions << hints << int{0};
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(notify), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, shown = showCount_](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                const QDBusPendingReply<uint> reply = *call;
                if (reply.isError()) {
                    return;
                }
                if (active_ && shown == showCount_) {
                    id_ = reply.value();
                } else {
                    // Answered (or replaced) before the service answered.
                    closeNotification(reply.value());
                }
            });
}

void FreedesktopNotifier::closeNotification(uint id)
{
    QDBusMessage close = call(QStringLiteral("CloseNotification"));
    close << id;
    bus_.send(close);
}

void FreedesktopNotifier::actionInvoked(uint id, const QString& actionKey)
{
    if (id != 0 && id == id_ && actionKey == DefaultAction && onPicked_) {
        onPicked_();
    }
}

void FreedesktopNotifier::notificationClosed(uint id, uint /*reason*/)
{
    // Dismissed on the desktop: nothing left to take down. The alarm is still answered in the window.
    if (id != 0 && id == id_) {
        id_ = 0;
    }
}

} // namespace klaxora
