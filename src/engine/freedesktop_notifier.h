// The notice of a due alarm through the desktop's notification service (org.freedesktop.Notifications on
// the session bus): summary "Klaxora!", the message as body, critical urgency, and only the default
// action, which brings the notification window to the front. Every call is asynchronous, so a slow or
// hung service never holds up the window; the bus is first touched when the first alarm falls due.
#pragma once

#include "engine/desktop_notifier.h"

#include <QDBusConnection>
#include <QObject>

#include <cstdint>
#include <functional>

class QDBusMessage;

namespace klaxora {

class FreedesktopNotifier : public QObject, public DesktopNotifier {
    Q_OBJECT

public:
    // The bus is asked for on the first Show; tests hand in a private one.
    explicit FreedesktopNotifier(std::function<QDBusConnection()> bus = &QDBusConnection::sessionBus);

    void show(const QString& message) override;
    void withdraw() override;
    void setOnPicked(std::function<void()> onPicked) override { onPicked_ = std::move(onPicked); }

private slots:
    void actionInvoked(uint id, const QString& actionKey);
    void notificationClosed(uint id, uint reason);

private:
    bool connectToService();
    void askCapabilities();
    void sendNotify();
    void closeNotification(uint id);
    QDBusMessage call(const QString& method) const;

    std::function<QDBusConnection()> busSource_;
    std::function<void()> onPicked_;
    QDBusConnection bus_{QString()};
    bool busAsked_ = false;
    bool capabilitiesKnown_ = false;
    bool capabilitiesAsked_ = false;
    // The service reads the body as markup: the message's own '<' and '&' must then be escaped.
    bool bodyMarkup_ = false;

    QString message_;
    // Shown and not yet answered.
    bool active_ = false;
    // Counts the Show calls, so that the service's late answer to an earlier one is recognised.
    std::uint64_t showCount_ = 0;
    bool notifySent_ = false;
    // The service's id of the notice on screen; 0 while there is none.
    uint id_ = 0;
};

} // namespace klaxora
