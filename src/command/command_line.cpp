#include "command/command_line.h"

#include "command/command_execution.h"
#include "command/toolkit_options.h"
#include "store/date_time_text.h"
#include "store/text_helpers.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <optional>

namespace klaxora {

namespace {

// Capacities of the alarm record, in characters.
constexpr std::size_t MessageCapacity = 100;
constexpr std::size_t SoundPathCapacity = 255;

struct Options {
    QCommandLineOption Add{QStringLiteral("add"),
                           QStringLiteral("Set an alarm with this message (at most 100 "
                                          "characters, no \"^\")."),
                           QStringLiteral("MESSAGE")};
    QCommandLineOption At{QStringLiteral("at"),
                          QStringLiteral("The alarm's time, in your own time format or as 24-hour HH:MM."),
                          QStringLiteral("TIME")};
    QCommandLineOption On{QStringLiteral("on"),
                          QStringLiteral("The alarm's date, in your own date format or as YYYY-MM-DD; "
                                         "left out, today, or tomorrow once TIME has passed today."),
                          QStringLiteral("DATE")};
    QCommandLineOption Sound{QStringLiteral("sound"),
                             QStringLiteral("The WAV file the alarm plays; left out, the default sound."),
                             QStringLiteral("FILE")};
    QCommandLineOption NoSound{QStringLiteral("no-sound"), QStringLiteral("The alarm has no sound file.")};
    QCommandLineOption Mode{QStringLiteral("mode"),
                            QStringLiteral("What the alarm does: both (message and sound, the default), "
                                           "message or sound."),
                            QStringLiteral("both|message|sound")};
    QCommandLineOption List{QStringLiteral("list"),
                            QStringLiteral("Print the alarms in the list's order, one a line: date, time, "
                                           "mode and message, separated by tabs.")};
    QCommandLineOption Today{QStringLiteral("today"), QStringLiteral("With --list: only today's alarms.")};
    QCommandLineOption Show{
        QStringLiteral("show"),
        QStringLiteral("Bring the running program's window forward, or start the program.")};
    QCommandLineOption Iconic{QStringLiteral("iconic"),
                              QStringLiteral("Start minimised (also written -iconic): into the notification "
                                             "area when \"Minimize to System Tray\" is ticked.")};
};

// --help leaves Qt's own options to --help-all.
void Define(QCommandLineParser& parser, const Options& options, bool helpListsToolkitOptions = false)
{
    parser.setApplicationDescription(QStringLiteral(
        "Klaxora! keeps a list of alarms and rings them. Without options it starts its window.\n"
        "Exit codes: 0 done, 1 failure, 2 bad input (nothing changed), 3 the time has passed."));
    // -iconic is one option, not six letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({options.Add, options.At, options.On, options.Sound, options.NoSound, options.Mode,
                       options.List, options.Today, options.Show, options.Iconic});
    for (QCommandLineOption option : ToolkitOptions()) {
        if (!helpListsToolkitOptions)
            option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QStringList CommandOptionNames(const Options& o)
{
    QStringList names;
    for (const QCommandLineOption* option :
         {&o.Add, &o.At, &o.On, &o.Sound, &o.NoSound, &o.Mode, &o.List, &o.Today, &o.Show})
        names += option->names();
    // -h and -v are other names of the same two options.
    return names + QStringList{QStringLiteral("help"), QStringLiteral("help-all"), QStringLiteral("version")};
}

// -iconic and the toolkit's options: what a start of the window may be given besides.
QStringList WindowOptionNames(const Options& o)
{
    QStringList names = o.Iconic.names();
    for (const QCommandLineOption& option : ToolkitOptions())
        names += option.names();
    return names;
}

bool AnySet(const QCommandLineParser& parser, const QStringList& names)
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
FirstReading ReadFirst(QCommandLineParser& parser, const Options& options, const QStringList& arguments)
{
    Define(parser, options);
    if (!parser.parse(arguments))
        return FirstReading::UnknownOrIncomplete;
    return AnySet(parser, CommandOptionNames(options)) ? FirstReading::Command : FirstReading::Window;
}

// Like the editor: no "^" (the file's separator), no control characters, at most `capacity` characters.
std::optional<std::string> AlarmTextProblem(const QString& text, std::size_t capacity)
{
    const QList<uint> characters = text.toUcs4();
    for (const uint c : characters) {
        if (c == U'^')
            return "it cannot contain \"^\"";
        if (QChar::category(c) == QChar::Other_Control)
            return "it cannot contain control characters (tabs, line breaks)";
    }
    if (static_cast<std::size_t>(characters.size()) > capacity)
        return "it has " + std::to_string(characters.size()) + " characters, at most " +
               std::to_string(capacity) + " are allowed";
    return std::nullopt;
}

bool ReadTime(const QString& text, const DateTimeFormats& formats, TDateTime& time)
{
    // The editor reads the time box in upper case.
    const std::string upper = text.toUpper().toStdString();
    return TryStrToTime(upper, formats.User(), time) || TryStrToTime(upper, formats.Storage(), time);
}

bool ReadDate(const QString& text, const DateTimeFormats& formats, int currentYear, TDateTime& date)
{
    if (TryStrToDate(text.toStdString(), formats.User(), currentYear, date))
        return true;
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const QRegularExpressionMatch match = iso.match(text);
    if (!match.hasMatch())
        return false;
    const int year = match.captured(1).toInt();
    const int month = match.captured(2).toInt();
    const int day = match.captured(3).toInt();
    if (year < 1 || !IsValidDate(year, month, day))
        return false;
    date = EncodeDate(year, month, day);
    return true;
}

// A value as the user typed it, in quotes, for a message that refuses it.
std::string Quoted(const QString& value)
{
    return (QLatin1Char('\'') + value + QLatin1Char('\'')).toStdString();
}

CommandLine Refused(const QString& option, const std::string& why)
{
    return {CommandLineAction::Refuse, {}, option.toStdString() + ": " + why};
}

CommandLine ReadAdd(const QCommandLineParser& parser, const Options& o, const DateTimeFormats& formats,
                    const Clock& clock, const QString& workingFolder)
{
    CommandLine line{CommandLineAction::CarryOut, {}, {}};
    CommandRequest& request = line.Request;
    request.Kind = CommandKind::Add;

    const QString message = parser.value(o.Add);
    if (const auto problem = AlarmTextProblem(message, MessageCapacity))
        return Refused(QStringLiteral("--add"), "the message is refused: " + *problem);
    request.Message = message.toStdString();

    if (!parser.isSet(o.At))
        return Refused(QStringLiteral("--add"), "--at TIME is required");
    const FormatSettings& user = formats.User();
    if (!ReadTime(parser.value(o.At), formats, request.Time))
        return Refused(QStringLiteral("--at"),
                       Quoted(parser.value(o.At)) + " is not a time; write it like " +
                           FormatDateTime(user.ShortTimePattern, clock.TimeNow(), user) +
                           " or as 24-hour HH:MM");
    if (parser.isSet(o.On)) {
        TDateTime date = 0;
        if (!ReadDate(parser.value(o.On), formats, DecodeDate(clock.Today()).year, date))
            return Refused(QStringLiteral("--on"), Quoted(parser.value(o.On)) +
                                                       " is not a date; write it like " +
                                                       DateToStr(clock.Today(), user) + " or as YYYY-MM-DD");
        request.Date = date;
    }

    if (parser.isSet(o.Sound) && parser.isSet(o.NoSound))
        return Refused(QStringLiteral("--sound"), "--sound and --no-sound exclude each other");
    if (parser.isSet(o.NoSound))
        request.Sound = SoundChoice::None;
    if (parser.isSet(o.Sound)) {
        const QFileInfo file(QDir(workingFolder), parser.value(o.Sound));
        if (!file.isFile())
            return Refused(QStringLiteral("--sound"), Quoted(parser.value(o.Sound)) + " is not a file");
        if (const auto problem = AlarmTextProblem(file.absoluteFilePath(), SoundPathCapacity))
            return Refused(QStringLiteral("--sound"), "the path is refused: " + *problem);
        request.Sound = SoundChoice::File;
        request.SoundFile = file.absoluteFilePath().toStdString();
    }

    if (parser.isSet(o.Mode) && !ModeFromName(parser.value(o.Mode).toStdString(), request.Mode))
        return Refused(QStringLiteral("--mode"),
                       Quoted(parser.value(o.Mode)) + " is not one of both, message, sound");
    return line;
}

} // namespace

bool StartsTheWindow(const QStringList& arguments)
{
    QCommandLineParser parser;
    const Options options;
    return ReadFirst(parser, options, arguments) == FirstReading::Window;
}

CommandLine ReadCommandLine(const QStringList& arguments, const DateTimeFormats& formats, const Clock& clock,
                            const QString& workingFolder)
{
    QCommandLineParser parser;
    const Options o;
    switch (ReadFirst(parser, o, arguments)) {
    case FirstReading::Window:
        return {};
    case FirstReading::UnknownOrIncomplete:
        return {CommandLineAction::Refuse, {}, parser.errorText().toStdString()};
    case FirstReading::Command:
        break;
    }
    for (const QString& name : parser.optionNames()) {
        if (parser.optionNames().count(name) > 1)
            return Refused(QLatin1String(name.size() == 1 ? "-" : "--") + name, "given more than once");
    }
    if (!parser.positionalArguments().isEmpty())
        return Refused(parser.positionalArguments().constFirst(),
                       "unexpected argument (a message of several words needs quotes)");
    if (parser.isSet(QStringLiteral("help-all")))
        return {CommandLineAction::PrintHelpWithToolkitOptions, {}, {}};
    if (parser.isSet(QStringLiteral("help")))
        return {CommandLineAction::PrintHelp, {}, {}};
    if (parser.isSet(QStringLiteral("version")))
        return {CommandLineAction::PrintVersion, {}, {}};

    const int commands = int(parser.isSet(o.Add)) + int(parser.isSet(o.List)) + int(parser.isSet(o.Show));
    if (commands != 1)
        return {CommandLineAction::Refuse, {}, "give one of --add, --list and --show"};
    if (!parser.isSet(o.Add)) {
        for (const QCommandLineOption* addOnly : {&o.At, &o.On, &o.Sound, &o.NoSound, &o.Mode}) {
            if (parser.isSet(*addOnly))
                return Refused(QStringLiteral("--") + addOnly->names().constFirst(), "belongs to --add");
        }
    }
    if (parser.isSet(o.Today) && !parser.isSet(o.List))
        return Refused(QStringLiteral("--today"), "belongs to --list");
    for (const QString& name : WindowOptionNames(o)) {
        if (parser.isSet(name))
            return Refused(QStringLiteral("--") + name, "is for the window; it does not go with a command");
    }

    if (parser.isSet(o.Add))
        return ReadAdd(parser, o, formats, clock, workingFolder);
    CommandLine line{CommandLineAction::CarryOut, {}, {}};
    line.Request.Kind = parser.isSet(o.List) ? CommandKind::List : CommandKind::Show;
    line.Request.TodayOnly = parser.isSet(o.Today);
    return line;
}

QString CommandLineHelp(bool withToolkitOptions)
{
    QCommandLineParser parser;
    const Options options;
    Define(parser, options, withToolkitOptions);
    return parser.helpText();
}

} // namespace klaxora
