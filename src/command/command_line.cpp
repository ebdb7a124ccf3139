#include "command/command_line.h"

#include "command/calendar_sync_arguments.h"
#include "command/command_execution.h"
#include "command/repeat_days_words.h"
#include "command/toolkit_options.h"
#include "store/date_time_text.h"
#include "store/text_helpers.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <optional>

namespace klaxora {

namespace {

// The command line's human texts, in the user's language (the option names and the values stay English).
struct Words {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

std::string words(const QString& text)
{
    return text.toStdString();
}

// Capacities of the alarm record, in characters.
constexpr std::size_t MessageCapacity = 100;
constexpr std::size_t SoundPathCapacity = 255;

struct Options {
    QCommandLineOption add{QStringLiteral("add"),
                           Words::tr("Set an alarm with this message (at most 100 "
                                     "characters, no \"^\")."),
                           QStringLiteral("MESSAGE")};
    QCommandLineOption at{QStringLiteral("at"),
                          Words::tr("The alarm's time, in your own time format or as 24-hour HH:MM."),
                          QStringLiteral("TIME")};
    QCommandLineOption on{QStringLiteral("on"),
                          Words::tr("The alarm's date, in your own date format or as YYYY-MM-DD; "
                                    "left out, today, or tomorrow once TIME has passed today. With "
                                    "--repeat: the first day it may ring."),
                          QStringLiteral("DATE")};
    QCommandLineOption repeat{QStringLiteral("repeat"),
                              Words::tr("Ring at TIME on these days every week, from the first of them "
                                        "still to come: daily, weekdays (mon-fri), weekends, or days "
                                        "(mon tue wed thu fri sat sun) and ranges in a comma list, "
                                        "like mon-fri, mon,wed,fri or fri-mon."),
                              QStringLiteral("DAYS")};
    QCommandLineOption sound{QStringLiteral("sound"),
                             Words::tr("The WAV file the alarm plays; left out, the default sound."),
                             QStringLiteral("FILE")};
    QCommandLineOption noSound{QStringLiteral("no-sound"), Words::tr("The alarm has no sound file.")};
    QCommandLineOption mode{QStringLiteral("mode"),
                            Words::tr("What the alarm does: both (message and sound, the default), "
                                      "message or sound."),
                            QStringLiteral("both|message|sound")};
    QCommandLineOption list{QStringLiteral("list"),
                            Words::tr("Print the alarms in the list's order, one a line: date, time, "
                                      "mode, message, \"missed\" or nothing, and the days a "
                                      "repeating alarm rings (as --repeat takes them) or nothing, "
                                      "separated by tabs.")};
    QCommandLineOption today{QStringLiteral("today"), Words::tr("With --list: only today's alarms.")};
    QCommandLineOption importFile{QStringLiteral("import"),
                                  Words::tr("Add the alarms of an iCalendar (.ics) file: every event or "
                                            "to-do with a reminder still to come, or passed and not "
                                            "answered. One already in the list (the same UID) is skipped."),
                                  QStringLiteral("FILE")};
    QCommandLineOption exportFile{QStringLiteral("export"),
                                  Words::tr("Write every alarm into an iCalendar (.ics) file, which "
                                            "--import reads back."),
                                  QStringLiteral("FILE")};
    QCommandLineOption calendar{QStringLiteral("calendar"),
                                Words::tr("Sync the alarms both ways with a CalDAV calendar: its own "
                                          "address, or a server's, where the calendar \"Klaxora! "
                                          "Alarms\" is used (made when missing). With --user and "
                                          "--password-stdin. \"off\" turns the sync off; the alarms stay."),
                                QStringLiteral("URL|off")};
    QCommandLineOption user{QStringLiteral("user"),
                            Words::tr("With --calendar: the user name on the server."),
                            QStringLiteral("NAME")};
    QCommandLineOption passwordStdin{QStringLiteral("password-stdin"),
                                     Words::tr("With --calendar or --sync: read the password from standard "
                                               "input, one line. --calendar keeps it in the desktop's "
                                               "keyring.")};
    QCommandLineOption allowUnencrypted{QStringLiteral("allow-unencrypted"),
                                        Words::tr("With --calendar: allow plain http to this server.")};
    QCommandLineOption sync{QStringLiteral("sync"),
                            Words::tr("Sync with the calendar now and print what was received, removed, "
                                      "sent and kept twice as a conflict.")};
    QCommandLineOption show{QStringLiteral("show"),
                            Words::tr("Bring the running program's window forward, or start the program.")};
    QCommandLineOption iconic{QStringLiteral("iconic"),
                              Words::tr("Start minimised (also written -iconic): into the notification "
                                        "area when \"Minimize to System Tray\" is ticked.")};
};

// --help leaves Qt's own options to --help-all.
void define(QCommandLineParser& parser, const Options& options, bool helpListsToolkitOptions = false)
{
    parser.setApplicationDescription(
        Words::tr("Klaxora! keeps a list of alarms and rings them. Without options it starts its window.\n"
                  "Exit codes: 0 done, 1 failure, 2 bad input (nothing changed), 3 the time has passed."));
    // -iconic is one option, not six letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({options.add, options.at, options.on, options.repeat, options.sound, options.noSound,
                       options.mode, options.list, options.today, options.importFile, options.exportFile,
                       options.calendar, options.user, options.passwordStdin, options.allowUnencrypted,
                       options.sync, options.show, options.iconic});
    for (QCommandLineOption option : toolkitOptions()) {
        if (!helpListsToolkitOptions)
            option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QStringList commandOptionNames(const Options& o)
{
    QStringList names;
    for (const QCommandLineOption* option :
         {&o.add, &o.at, &o.on, &o.repeat, &o.sound, &o.noSound, &o.mode, &o.list, &o.today, &o.importFile,
          &o.exportFile, &o.calendar, &o.user, &o.passwordStdin, &o.allowUnencrypted, &o.sync, &o.show})
        names += option->names();
    // -h and -v are other names of the same two options.
    return names + QStringList{QStringLiteral("help"), QStringLiteral("help-all"), QStringLiteral("version")};
}

// -iconic and the toolkit's options: what a start of the window may be given besides.
QStringList windowOptionNames(const Options& o)
{
    QStringList names = o.iconic.names();
    for (const QCommandLineOption& option : toolkitOptions())
        names += option.names();
    return names;
}

bool anySet(const QCommandLineParser& parser, const QStringList& names)
{
    for (const QString& name : names) {
        if (parser.isSet(name))
            return true;
    }
    return false;
}

enum class FirstReading { Window, Command, UnknownOrIncomplete };

// Whether the arguments start the window or ask for a command; an option that neither the program nor
// the toolkit knows, or one without its value, asks for the refusal that a command would get.
FirstReading readFirst(QCommandLineParser& parser, const Options& options, const QStringList& arguments)
{
    define(parser, options);
    if (!parser.parse(arguments))
        return FirstReading::UnknownOrIncomplete;
    return anySet(parser, commandOptionNames(options)) ? FirstReading::Command : FirstReading::Window;
}

// Like the editor: no "^" (the file's separator), no control characters, at most `capacity` characters.
std::optional<std::string> alarmTextProblem(const QString& text, std::size_t capacity)
{
    const QList<uint> characters = text.toUcs4();
    for (const uint c : characters) {
        if (c == U'^')
            return words(Words::tr("it cannot contain \"^\""));
        if (QChar::category(c) == QChar::Other_Control)
            return words(Words::tr("it cannot contain control characters (tabs, line breaks)"));
    }
    if (static_cast<std::size_t>(characters.size()) > capacity)
        return words(Words::tr("it has %1 characters, at most %2 are allowed")
                         .arg(characters.size())
                         .arg(static_cast<qulonglong>(capacity)));
    return std::nullopt;
}

bool readTime(const QString& text, const DateTimeFormats& formats, DateTime& time)
{
    // The editor reads the time box in upper case.
    const std::string upper = text.toUpper().toStdString();
    return tryStrToTime(upper, formats.user(), time) || tryStrToTime(upper, formats.storage(), time);
}

bool readDate(const QString& text, const DateTimeFormats& formats, int currentYear, DateTime& date)
{
    if (tryStrToDate(text.toStdString(), formats.user(), currentYear, date))
        return true;
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const QRegularExpressionMatch match = iso.match(text);
    if (!match.hasMatch())
        return false;
    const int year = match.captured(1).toInt();
    const int month = match.captured(2).toInt();
    const int day = match.captured(3).toInt();
    if (year < 1 || !isValidDate(year, month, day))
        return false;
    date = encodeDate(year, month, day);
    return true;
}

// A value as the user typed it, in quotes, for a message that refuses it.
std::string quoted(const QString& value)
{
    return (QLatin1Char('\'') + value + QLatin1Char('\'')).toStdString();
}

CommandLine refused(const QString& option, const std::string& why)
{
    return {CommandLineAction::Refuse, {}, option.toStdString() + ": " + why};
}

CommandLine readAdd(const QCommandLineParser& parser, const Options& o, const DateTimeFormats& formats,
                    const Clock& clock, const QString& workingFolder)
{
    CommandLine line{CommandLineAction::CarryOut, {}, {}};
    CommandRequest& request = line.request;
    request.kind = CommandKind::Add;

    const QString message = parser.value(o.add);
    if (const auto problem = alarmTextProblem(message, MessageCapacity))
        return refused(QStringLiteral("--add"),
                       words(Words::tr("the message is refused: %1").arg(QString::fromStdString(*problem))));
    request.message = message.toStdString();

    if (!parser.isSet(o.at))
        return refused(QStringLiteral("--add"), words(Words::tr("--at TIME is required")));
    const FormatSettings& user = formats.user();
    if (!readTime(parser.value(o.at), formats, request.time))
        return refused(QStringLiteral("--at"),
                       words(Words::tr("%1 is not a time; write it like %2 or as 24-hour HH:MM")
                                 .arg(QString::fromStdString(quoted(parser.value(o.at))),
                                      QString::fromStdString(
                                          formatDateTime(user.shortTimePattern, clock.timeNow(), user)))));
    if (parser.isSet(o.on)) {
        DateTime date = 0;
        if (!readDate(parser.value(o.on), formats, decodeDate(clock.today()).year, date))
            return refused(QStringLiteral("--on"),
                           words(Words::tr("%1 is not a date; write it like %2 or as YYYY-MM-DD")
                                     .arg(QString::fromStdString(quoted(parser.value(o.on))),
                                          QString::fromStdString(dateToStr(clock.today(), user)))));
        request.date = date;
    }
    if (parser.isSet(o.repeat)) {
        const auto days = readRepeatDays(parser.value(o.repeat).toStdString());
        if (!days)
            return refused(QStringLiteral("--repeat"),
                           words(Words::tr("%1 is not a list of days; write daily, weekdays, weekends or "
                                           "days like mon-fri or mon,wed,fri")
                                     .arg(QString::fromStdString(quoted(parser.value(o.repeat))))));
        request.repeatDays = *days;
    }

    if (parser.isSet(o.sound) && parser.isSet(o.noSound))
        return refused(QStringLiteral("--sound"),
                       words(Words::tr("--sound and --no-sound exclude each other")));
    if (parser.isSet(o.noSound))
        request.sound = SoundChoice::None;
    if (parser.isSet(o.sound)) {
        const QFileInfo file(QDir(workingFolder), parser.value(o.sound));
        if (!file.isFile())
            return refused(QStringLiteral("--sound"),
                           words(Words::tr("%1 is not a file")
                                     .arg(QString::fromStdString(quoted(parser.value(o.sound))))));
        if (const auto problem = alarmTextProblem(file.absoluteFilePath(), SoundPathCapacity))
            return refused(QStringLiteral("--sound"),
                           words(Words::tr("the path is refused: %1").arg(QString::fromStdString(*problem))));
        request.sound = SoundChoice::File;
        request.soundFile = file.absoluteFilePath().toStdString();
    }

    if (parser.isSet(o.mode) && !modeFromName(parser.value(o.mode).toStdString(), request.mode))
        return refused(QStringLiteral("--mode"),
                       words(Words::tr("%1 is not one of both, message, sound")
                                 .arg(QString::fromStdString(quoted(parser.value(o.mode))))));
    return line;
}

CommandLine readCalendarFile(const QCommandLineParser& parser, const QCommandLineOption& option,
                             const QString& workingFolder)
{
    const bool importing = option.names().constFirst() == QLatin1String("import");
    const QFileInfo file(QDir(workingFolder), parser.value(option));
    const QString name = QStringLiteral("--") + option.names().constFirst();
    if (parser.value(option).isEmpty())
        return refused(name, words(Words::tr("the file name is empty")));
    if (importing && !file.isFile())
        return refused(
            name,
            words(Words::tr("%1 is not a file").arg(QString::fromStdString(quoted(parser.value(option))))));
    if (!importing && file.isDir())
        return refused(
            name,
            words(Words::tr("%1 is a folder").arg(QString::fromStdString(quoted(parser.value(option))))));
    CommandLine line{CommandLineAction::CarryOut, {}, {}};
    line.request.kind = importing ? CommandKind::Import : CommandKind::Export;
    line.request.calendarFile = file.absoluteFilePath().toStdString();
    return line;
}

} // namespace

bool startsTheWindow(const QStringList& arguments)
{
    QCommandLineParser parser;
    const Options options;
    return readFirst(parser, options, arguments) == FirstReading::Window;
}

CommandLine readCommandLine(const QStringList& arguments, const DateTimeFormats& formats, const Clock& clock,
                            const QString& workingFolder)
{
    QCommandLineParser parser;
    const Options o;
    switch (readFirst(parser, o, arguments)) {
    case FirstReading::Window:
        return {};
    case FirstReading::UnknownOrIncomplete:
        return {CommandLineAction::Refuse, {}, parser.errorText().toStdString()};
    case FirstReading::Command:
        break;
    }
    for (const QString& name : parser.optionNames()) {
        if (parser.optionNames().count(name) > 1)
            return refused(QLatin1String(name.size() == 1 ? "-" : "--") + name,
                           words(Words::tr("given more than once")));
    }
    if (!parser.positionalArguments().isEmpty())
        return refused(parser.positionalArguments().constFirst(),
                       words(Words::tr("unexpected argument (a message of several words needs quotes)")));
    if (parser.isSet(QStringLiteral("help-all")))
        return {CommandLineAction::PrintHelpWithToolkitOptions, {}, {}};
    if (parser.isSet(QStringLiteral("help")))
        return {CommandLineAction::PrintHelp, {}, {}};
    if (parser.isSet(QStringLiteral("version")))
        return {CommandLineAction::PrintVersion, {}, {}};

    const int commands = int(parser.isSet(o.add)) + int(parser.isSet(o.list)) + int(parser.isSet(o.show)) +
                         int(parser.isSet(o.importFile)) + int(parser.isSet(o.exportFile)) +
                         int(parser.isSet(o.calendar)) + int(parser.isSet(o.sync));
    if (commands != 1)
        return {
            CommandLineAction::Refuse,
            {},
            words(Words::tr("give one of --add, --list, --import, --export, --calendar, --sync and --show"))};
    if (!parser.isSet(o.add)) {
        for (const QCommandLineOption* addOnly : {&o.at, &o.on, &o.repeat, &o.sound, &o.noSound, &o.mode}) {
            if (parser.isSet(*addOnly))
                return refused(QStringLiteral("--") + addOnly->names().constFirst(),
                               words(Words::tr("belongs to --add")));
        }
    }
    if (parser.isSet(o.today) && !parser.isSet(o.list))
        return refused(QStringLiteral("--today"), words(Words::tr("belongs to --list")));
    if (std::optional<CommandLine> stray = strayCalendarSyncOption(parser))
        return *stray;
    for (const QString& name : windowOptionNames(o)) {
        if (parser.isSet(name))
            return refused(QStringLiteral("--") + name,
                           words(Words::tr("is for the window; it does not go with a command")));
    }

    if (parser.isSet(o.add))
        return readAdd(parser, o, formats, clock, workingFolder);
    if (parser.isSet(o.calendar) || parser.isSet(o.sync))
        return readCalendarSyncCommand(parser);
    if (parser.isSet(o.importFile) || parser.isSet(o.exportFile))
        return readCalendarFile(parser, parser.isSet(o.importFile) ? o.importFile : o.exportFile,
                                workingFolder);
    CommandLine line{CommandLineAction::CarryOut, {}, {}};
    line.request.kind = parser.isSet(o.list) ? CommandKind::List : CommandKind::Show;
    line.request.todayOnly = parser.isSet(o.today);
    return line;
}

QString commandLineHelp(bool withToolkitOptions)
{
    QCommandLineParser parser;
    const Options options;
    define(parser, options, withToolkitOptions);
    return parser.helpText();
}

} // namespace klaxora
