#include "command/calendar_sync_commands.h"

#include "command/translated_text.h"
#include "sync/caldav_own_calendar.h"
#include "sync/caldav_transport.h"

#include <QCoreApplication>
#include <QUrl>

#include <exception>
#include <memory>

namespace klaxora {

namespace {

QString words(const char* text)
{
    return QCoreApplication::translate("CommandReply", text);
}

CommandReply done(const QString& output)
{
    return {ExitDone, output.toStdString() + "\n", {}};
}

CommandReply failed(const QString& why)
{
    return failedReply(why.toStdString());
}

QString fileError(const char* text, const std::exception& error)
{
    return words(text).arg(QString::fromStdString(translatedError(error)));
}

void storePassword(const CalendarConnection& connection, const QString& password,
                   CalendarPasswords& passwords, const QString& connected, const CommandReplyCallback& reply)
{
    passwords.store(connection, password, [connected, reply](const QString& error) {
        if (error.isEmpty()) {
            reply(done(
                connected + QLatin1Char('\n') +
                words(QT_TRANSLATE_NOOP("CommandReply", "The password is kept in the desktop's keyring."))));
            return;
        }
        // The Secret Service's own words say why.
        reply(done(connected + QLatin1Char('\n') + error + QLatin1Char('\n') +
                   words(QT_TRANSLATE_NOOP(
                       "CommandReply", "Klaxora! asks for it once each time it starts; klaxora --sync run "
                                       "while Klaxora! is not running needs --password-stdin."))));
    });
}

// The reply to the sync that syncNow() starts next: one already running finishes before it.
void replyWhenFinished(CalendarSync& sync, const CommandReplyCallback& reply)
{
    const auto others = std::make_shared<int>(sync.running() ? 1 : 0);
    const auto connection = std::make_shared<QMetaObject::Connection>();
    const QString collection = QUrl(QString::fromStdString(sync.connection().collection)).toDisplayString();
    *connection = QObject::connect(
        &sync, &CalendarSync::finished, &sync,
        [others, connection, collection, reply](const CalendarSyncReport& report) {
            if ((*others)-- > 0)
                return;
            QObject::disconnect(*connection);
            if (!report.error.isEmpty()) {
                reply(failed(words(QT_TRANSLATE_NOOP("CommandReply", "the sync with %1 failed: %2"))
                                 .arg(collection, report.error)));
                return;
            }
            reply(done(
                words(QT_TRANSLATE_NOOP("CommandReply",
                                        "Synced with %1: received %2, removed %3, sent %4, conflicts %5."))
                    .arg(collection, QString::number(report.received), QString::number(report.removed),
                         QString::number(report.sent), QString::number(report.conflicts))));
        });
}

} // namespace

bool isCalendarSyncCommand(CommandKind kind)
{
    return kind == CommandKind::ConnectCalendar || kind == CommandKind::TurnOffCalendar ||
           kind == CommandKind::SyncCalendar;
}

void connectCalendar(const CommandRequest& request, CalendarSync& sync, CalendarPasswords& passwords,
                     const CommandReplyCallback& reply)
{
    if (!request.password) {
        reply(failed(words(QT_TRANSLATE_NOOP("CommandReply", "the calendar's password was not given"))));
        return;
    }
    const QUrl address(QString::fromStdString(request.calendarAddress));
    const QString password = QString::fromStdString(*request.password);
    CalDavRequestPolicy policy;
    if (request.allowUnencrypted)
        policy.unencryptedHost = address.host();
    // Gone with the sync at the latest, should the answer never come.
    auto* transport =
        new CalDavTransport(policy, {QString::fromStdString(request.calendarUser), password}, &sync);
    auto* ownCalendar = new CalDavOwnCalendar(*transport, transport);
    ownCalendar->find(address, [transport, request, password, address, &sync, &passwords,
                                reply](const CalDavCalendarMade& made) {
        transport->deleteLater();
        if (!made.error.isEmpty()) {
            reply(failed(words(QT_TRANSLATE_NOOP("CommandReply", "the calendar at %1 cannot be used: %2"))
                             .arg(address.toDisplayString(), made.error)));
            return;
        }
        const CalendarConnection connection{made.calendar.url.toString(QUrl::FullyEncoded).toStdString(),
                                            request.calendarUser, request.allowUnencrypted};
        const std::optional<CalendarConnection> previous =
            sync.isOn() ? std::optional<CalendarConnection>(sync.connection()) : std::nullopt;
        try {
            sync.connectTo(connection, password);
        } catch (const std::exception& error) {
            reply(failed(fileError(QT_TRANSLATE_NOOP("CommandReply", "Calendar.dat could not be written: %1"),
                                   error)));
            return;
        }
        // The old account's password is of no use any more; failing to forget it changes nothing here.
        if (previous && CalendarPasswords::accountKey(*previous) != CalendarPasswords::accountKey(connection))
            passwords.forget(*previous, [](const QString&) {});
        const QString connected =
            words(QT_TRANSLATE_NOOP("CommandReply", "The alarms are synced with %1 from now on."))
                .arg(made.calendar.url.toDisplayString());
        storePassword(connection, password, passwords, connected, reply);
    });
}

void turnOffCalendar(const CommandRequest&, CalendarSync& sync, CalendarPasswords& passwords,
                     const CommandReplyCallback& reply)
{
    if (!sync.isOn()) {
        reply(done(words(QT_TRANSLATE_NOOP("CommandReply", "The calendar sync is off already."))));
        return;
    }
    const CalendarConnection connection = sync.connection();
    try {
        sync.turnOff();
    } catch (const std::exception& error) {
        reply(failed(
            fileError(QT_TRANSLATE_NOOP("CommandReply", "Calendar.dat could not be removed: %1"), error)));
        return;
    }
    passwords.forget(connection, [reply](const QString& error) {
        CommandReply answer =
            done(words(QT_TRANSLATE_NOOP("CommandReply", "The calendar sync is off; the alarms stay.")));
        if (!error.isEmpty())
            answer.errors = "klaxora: " + error.toStdString() + "\n";
        reply(answer);
    });
}

void syncCalendar(const CommandRequest& request, CalendarSync& sync, CalendarPasswords& passwords,
                  const CommandReplyCallback& reply)
{
    if (!sync.isOn()) {
        reply(failed(
            words(QT_TRANSLATE_NOOP("CommandReply", "the calendar sync is off; turn it on with "
                                                    "klaxora --calendar URL --user NAME --password-stdin"))));
        return;
    }
    const auto run = [&sync, reply] {
        replyWhenFinished(sync, reply);
        sync.syncNow();
    };
    if (request.password)
        sync.setPassword(QString::fromStdString(*request.password));
    if (sync.hasPassword()) {
        run();
        return;
    }
    passwords.read(
        sync.connection(), [&sync, run, reply](const std::optional<QString>& password, const QString& error) {
            if (password) {
                sync.setPassword(*password);
                run();
                return;
            }
            reply(failed(
                error.isEmpty()
                    ? words(QT_TRANSLATE_NOOP("CommandReply", "no password for the calendar is stored; give "
                                                              "it with klaxora --sync --password-stdin"))
                    : words(QT_TRANSLATE_NOOP("CommandReply", "%1; give the password with klaxora --sync "
                                                              "--password-stdin"))
                          .arg(error)));
        });
}

void carryOutCalendarSync(const CommandRequest& request, CalendarSync& sync, CalendarPasswords& passwords,
                          const CommandReplyCallback& reply)
{
    switch (request.kind) {
    case CommandKind::ConnectCalendar:
        connectCalendar(request, sync, passwords, reply);
        return;
    case CommandKind::TurnOffCalendar:
        turnOffCalendar(request, sync, passwords, reply);
        return;
    case CommandKind::SyncCalendar:
        syncCalendar(request, sync, passwords, reply);
        return;
    default:
        reply(failedReply("not a calendar sync command"));
    }
}

} // namespace klaxora
