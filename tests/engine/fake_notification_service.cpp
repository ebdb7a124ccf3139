#include "engine/fake_notification_service.h"

#include <QDBusMessage>
#include <QStandardPaths>

namespace klaxora::test {

namespace {

const QString Name = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");

} // namespace

PrivateSessionBus::PrivateSessionBus()
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty() || !folder_.isValid()) {
        return;
    }
    daemon_.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                           QStringLiteral("--print-address=1"),
                           QStringLiteral("--address=unix:path=") + folder_.filePath(QStringLiteral("bus"))});
    if (!daemon_.waitForStarted(5000)) {
        return;
    }
    while (!daemon_.canReadLine() && daemon_.waitForReadyRead(5000)) {
    }
    address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
}

PrivateSessionBus::~PrivateSessionBus()
{
    if (daemon_.state() != QProcess::NotRunning) {
        daemon_.terminate();
        daemon_.waitForFinished(5000);
    }
}

QDBusConnection PrivateSessionBus::connect(const QString& name) const
{
    QDBusConnection::disconnectFromBus(name);
    return QDBusConnection::connectToBus(address_, name);
}

FakeNotificationService::FakeNotificationService(const PrivateSessionBus& bus, QStringList capabilities)
    : connection_(bus.connect(QStringLiteral("fake-notification-service"))),
      capabilities_(std::move(capabilities))
{
    connection_.registerObject(Path, this, QDBusConnection::ExportAllSlots);
    connection_.registerService(Name);
}

FakeNotificationService::~FakeNotificationService()
{
    connection_.unregisterService(Name);
    connection_.unregisterObject(Path);
    QDBusConnection::disconnectFromBus(connection_.name());
}

void FakeNotificationService::emitActionInvoked(uint id, const QString& actionKey)
{
    QDBusMessage signal = QDBusMessage::createSignal(Path, Name, QStringLiteral("ActionInvoked"));
    signal << id << actionKey;
    connection_.send(signal);
}

QStringList FakeNotificationService::GetCapabilities()
{
    ++calls;
    return capabilities_;
}

uint FakeNotificationService::Notify(const QString& appName, uint replacesId, const QString& /*appIcon*/,
                                     const QString& summary, const QString& body, const QStringList& actions,
                                     const QVariantMap& hints, int expireTimeout)
{
    ++calls;
    // Ids start above 0, which the protocol keeps for "none"; 40 + n tells them from counts in a failure.
    const uint id = 40 + static_cast<uint>(notifies.size()) + 1;
    notifies.push_back({appName, replacesId, summary, body, actions, hints, expireTimeout, id});
    return id;
}

void FakeNotificationService::CloseNotification(uint id)
{
    ++calls;
    closes.push_back(id);
}

} // namespace klaxora::test
