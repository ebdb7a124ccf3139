#include "command/calendar_sync_arguments.h"

#include "sync/caldav_request_policy.h"

#include <QCoreApplication>
#include <QUrl>

namespace klaxora {

namespace {

// The same context as the rest of the command line's texts.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

const QString Calendar = QStringLiteral("calendar");
const QString User = QStringLiteral("user");
const QString PasswordStdin = QStringLiteral("password-stdin");
const QString AllowUnencrypted = QStringLiteral("allow-unencrypted");
const QString Sync = QStringLiteral("sync");

CommandLine refused(const QString& option, const QString& why)
{
    return {CommandLineAction::Refuse,
            {},
            (QStringLiteral("--") + option + QStringLiteral(": ") + why).toStdString()};
}

CommandLine carryOut(CommandKind kind, const QCommandLineParser& parser)
{
    CommandLine line{CommandLineAction::CarryOut, {}, {}};
    line.request.kind = kind;
    line.request.passwordFromInput = parser.isSet(PasswordStdin);
    return line;
}

CommandLine readConnection(const QCommandLineParser& parser)
{
    const QString address = parser.value(Calendar);
    const QUrl url(address, QUrl::StrictMode);
    const bool web = url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http");
    if (!url.isValid() || !web || url.host().isEmpty())
        return refused(Calendar, Words::tr("'%1' is not an http or https address, nor \"off\"").arg(address));
    if (url.scheme() == QLatin1String("http") && !CalDavRequestPolicy::isLoopback(url) &&
        !parser.isSet(AllowUnencrypted))
        return refused(Calendar, Words::tr("%1 would be reached unencrypted; use https, or give "
                                           "--allow-unencrypted")
                                     .arg(url.host()));
    if (!url.password().isEmpty())
        return refused(Calendar, Words::tr("the address holds a password; give it on standard input with "
                                           "--password-stdin"));
    if (!parser.isSet(User))
        return refused(Calendar, Words::tr("--user NAME is required"));
    if (parser.value(User).isEmpty())
        return refused(User, Words::tr("the name is empty"));
    if (!parser.isSet(PasswordStdin))
        return refused(Calendar, Words::tr("--password-stdin is required: the password is read from standard "
                                           "input, never from the arguments"));
    CommandLine line = carryOut(CommandKind::ConnectCalendar, parser);
    line.request.calendarAddress = address.toStdString();
    line.request.calendarUser = parser.value(User).toStdString();
    line.request.allowUnencrypted = parser.isSet(AllowUnencrypted);
    return line;
}

} // namespace

std::optional<CommandLine> strayCalendarSyncOption(const QCommandLineParser& parser)
{
    const bool connecting = parser.isSet(Calendar);
    for (const QString& option : {User, AllowUnencrypted}) {
        if (parser.isSet(option) && !connecting)
            return refused(option, Words::tr("belongs to --calendar"));
    }
    if (parser.isSet(PasswordStdin) && !connecting && !parser.isSet(Sync))
        return refused(PasswordStdin, Words::tr("belongs to --calendar and --sync"));
    return std::nullopt;
}

CommandLine readCalendarSyncCommand(const QCommandLineParser& parser)
{
    if (parser.isSet(Sync))
        return carryOut(CommandKind::SyncCalendar, parser);
    if (parser.value(Calendar) != QLatin1String("off"))
        return readConnection(parser);
    for (const QString& option : {User, PasswordStdin, AllowUnencrypted}) {
        if (parser.isSet(option))
            return refused(option, Words::tr("does not go with --calendar off"));
    }
    return carryOut(CommandKind::TurnOffCalendar, parser);
}

} // namespace klaxora
