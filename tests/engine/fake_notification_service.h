// A notification service of the desktop for tests: owns org.freedesktop.Notifications on a private
// session bus, records Notify and CloseNotification, and emits ActionInvoked as a desktop does when the
// user picks a notice. Started with its own dbus-daemon, which goes with it.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>

#include <memory>
#include <vector>

namespace klaxora::test {

struct NotifyCall {
    QString appName;
    uint replacesId = 0;
    QString summary;
    QString body;
    QStringList actions;
    QVariantMap hints;
    int expireTimeout = -1;
    uint id = 0; // the id the service answered with
};

// A dbus-daemon of its own; isRunning() is false where none can be started.
class PrivateSessionBus {
public:
    PrivateSessionBus();
    ~PrivateSessionBus();
    bool isRunning() const { return !address_.isEmpty(); }
    // A new connection of the given name to the bus.
    QDBusConnection connect(const QString& name) const;

private:
    QTemporaryDir folder_;
    QProcess daemon_;
    QString address_;
};

class FakeNotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    // Takes the service's name on the bus; `capabilities` is what GetCapabilities answers.
    FakeNotificationService(const PrivateSessionBus& bus, QStringList capabilities = {"body", "actions"});
    ~FakeNotificationService() override;

    void emitActionInvoked(uint id, const QString& actionKey);

    std::vector<NotifyCall> notifies;
    std::vector<uint> closes;
    int calls = 0; // every method call, of whatever name

public slots: // named as the bus methods they answer
    QStringList GetCapabilities();
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int expireTimeout);
    void CloseNotification(uint id);

private:
    QDBusConnection connection_;
    QStringList capabilities_;
};

} // namespace klaxora::test
