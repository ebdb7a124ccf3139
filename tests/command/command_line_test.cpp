// The arguments of a command as one table: what each reading gives, and for a refusal which argument is
// named. Times and dates in the user's own formats and in 24-hour and ISO form.
#include "command/command_line.h"

#include "store/date_time_text.h"
#include "store/store_test_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace klaxora::testing {
namespace {

struct Row {
    const char* name;
    QStringList arguments; // after the program's name
    CommandLineAction action;
    // For CarryOut with --add: the time of day and the date read (date 0 for none).
    const char* time = nullptr;
    DateTime date = 0;
    // For Refuse: the start of the message, naming the argument.
    const char* refusal = nullptr;
    bool german = false;
    // For CarryOut with --add: the days read, as the alarm file's digits (1 Sunday ... 7 Saturday).
    const char* days = ""; // For CarryOut: the command read, when the row tells.
    std::optional<CommandKind> kind = std::nullopt;
};

// The row's name stands for it in the test's name and in failure messages.
void PrintTo(const Row& row, std::ostream* out)
{
    *out << row.name;
}

const QString Existing = QStringLiteral("ring.wav");
using A = CommandLineAction;

class CommandLineTable : public ::testing::TestWithParam<Row> {};

TEST_P(CommandLineTable, Reads)
{
    const Row& row = GetParam();
    const FakeClock clock(at(2026, 12, 8, 9, 0));
    const DateTimeFormats formats(row.german ? germanUser() : usUser());
    QTemporaryDir folder;
    ASSERT_TRUE(QFile(folder.filePath(Existing)).open(QIODevice::WriteOnly));
    const CommandLine line = readCommandLine(QStringList{QStringLiteral("klaxora")} + row.arguments, formats,
                                             clock, folder.path());
    ASSERT_EQ(int(line.action), int(row.action)) << line.error;
    // The program's own first look, which decides whether the window module is loaded at all.
    EXPECT_EQ(startsTheWindow(QStringList{QStringLiteral("klaxora")} + row.arguments),
              row.action == A::StartWindow);
    if (row.kind) {
        EXPECT_EQ(int(line.request.kind), int(*row.kind));
    }
    if (row.refusal != nullptr) {
        EXPECT_EQ(line.error.rfind(row.refusal, 0), 0u) << line.error;
    }
    if (row.time != nullptr) {
        EXPECT_EQ(formatDateTime("hh:nn:ss", line.request.time, formats.storage()), row.time);
        EXPECT_EQ(line.request.date.value_or(0), row.date);
        EXPECT_EQ(line.request.repeatDays.field(), row.days);
    }
}

QStringList add(std::initializer_list<const char*> more)
{
    QStringList arguments{QStringLiteral("--add"), QStringLiteral("Tea")};
    for (const char* argument : more)
        arguments += QString::fromUtf8(argument);
    return arguments;
}

const DateTime Dec9 = encodeDate(2026, 12, 9);

QStringList words(std::initializer_list<const char*> words)
{
    QStringList arguments;
    for (const char* word : words)
        arguments += QString::fromUtf8(word);
    return arguments;
}

Row calendarCommand(const char* name, std::initializer_list<const char*> arguments, CommandKind kind)
{
    return {.name = name, .arguments = words(arguments), .action = A::CarryOut, .kind = kind};
}

Row calendarRefusal(const char* name, std::initializer_list<const char*> arguments, const char* refusal)
{
    return {.name = name, .arguments = words(arguments), .action = A::Refuse, .refusal = refusal};
}

// --add Tea --at 7:00 --repeat DAYS, read as the days of `field`.
Row repeating(const char* name, const char* days, const char* field)
{
    return {.name = name,
            .arguments = add({"--at", "7:00", "--repeat", days}),
            .action = A::CarryOut,
            .time = "07:00:00",
            .days = field};
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineTable,
    ::testing::Values(
        Row{"NoCommandStartsTheWindow",
            {QStringLiteral("-iconic"), QStringLiteral("-style"), QStringLiteral("x")},
            A::StartWindow},
        Row{"ToolkitOptionsStartTheWindow",
            words({"-style", "fusion", "-platform", "offscreen", "--display", ":1", "-geometry", "80x60+0+0",
                   "-reverse", "-stylesheet=a.qss", "-session", "1a2b", "-nograb", "-qmljsdebugger=port:1"}),
            A::StartWindow},
        Row{"ToolkitOptionTwiceAndTwoDashIconic",
            words({"--iconic", "--plugin", "a", "-plugin", "b", "-qwindowtitle", "T"}), A::StartWindow},
        Row{"MistypedOptionWithoutACommand", words({"--lsit"}), A::Refuse, nullptr, 0,
            "Unknown option 'lsit'"},
        Row{"MistypedOptionBesideIconic", words({"-iconic", "-stlye", "fusion"}), A::Refuse, nullptr, 0,
            "Unknown option 'stlye'"},
        Row{"ToolkitOptionWithoutItsValue", words({"-iconic", "-style"}), A::Refuse, nullptr, 0,
            "Missing value after '-style'"},
        Row{"ToolkitOptionWithACommand", words({"--list", "-style", "fusion"}), A::Refuse, nullptr, 0,
            "--style: is for the window"},
        Row{"UserTime", add({"--at", "7:30 pm"}), A::CarryOut, "19:30:00"},
        Row{"UserTimeWithSeconds", add({"--at", "7:30:15PM"}), A::CarryOut, "19:30:15"},
        Row{"TwentyFourHour", add({"--at", "19:05"}), A::CarryOut, "19:05:00"},
        Row{"HourAlone", add({"--at", "9"}), A::CarryOut, "09:00:00"},
        Row{"UserDate", add({"--at", "8:00", "--on", "12/9/26"}), A::CarryOut, "08:00:00", Dec9},
        Row{"UserDateWithoutYear", add({"--at", "8:00", "--on", "12/9"}), A::CarryOut, "08:00:00", Dec9},
        Row{"IsoDate", add({"--at", "8:00", "--on", "2026-12-09"}), A::CarryOut, "08:00:00", Dec9},
        Row{"GermanDateAndTime", add({"--at", "20:15", "--on", "09.12.2026"}), A::CarryOut, "20:15:00", Dec9,
            nullptr, true},
        Row{"GermanIsoDate", add({"--at", "20:15", "--on", "2026-12-09"}), A::CarryOut, "20:15:00", Dec9,
            nullptr, true},
        repeating("RepeatDaily", "daily", "1234567"), repeating("RepeatWeekends", "WEEKENDS", "17"),
        repeating("RepeatRangeAcrossTheWeeksEnd", "fri-Mon", "1267"),
        repeating("RepeatListAndRange", "mon,wed-thu, sat", "2457"),
        Row{.name = "RepeatFromADate",
            .arguments = add({"--at", "7:00", "--repeat", "weekdays", "--on", "12/9"}),
            .action = A::CarryOut,
            .time = "07:00:00",
            .date = Dec9,
            .days = "23456"},
        Row{"RepeatUnknownDay", add({"--at", "7:00", "--repeat", "funday"}), A::Refuse, nullptr, 0,
            "--repeat: 'funday' is not a list of days; write daily"},
        Row{"RepeatEmptyItem", add({"--at", "7:00", "--repeat", "mon,,fri"}), A::Refuse, nullptr, 0,
            "--repeat: 'mon,,fri'"},
        Row{"RepeatRangeOfThree", add({"--at", "7:00", "--repeat", "mon-wed-fri"}), A::Refuse, nullptr, 0,
            "--repeat: 'mon-wed-fri'"},
        Row{"RepeatWithoutAdd", words({"--list", "--repeat", "daily"}), A::Refuse, nullptr, 0,
            "--repeat: belongs to --add"},
        Row{"AtIsRequired", add({}), A::Refuse, nullptr, 0, "--add: --at TIME is required"},
        Row{"NotATime", add({"--at", "7.30pm"}), A::Refuse, nullptr, 0, "--at: '7.30pm' is not a time"},
        Row{"HourPastTwelveWithPm", add({"--at", "13:00 PM"}), A::Refuse, nullptr, 0, "--at:"},
        Row{"MinutesPastFiftyNine", add({"--at", "10:60"}), A::Refuse, nullptr, 0, "--at:"},
        Row{"NotADate", add({"--at", "8:00", "--on", "tomorrow"}), A::Refuse, nullptr, 0,
            "--on: 'tomorrow' is not a date"},
        Row{"NoThirtyFirstOfNovember", add({"--at", "8:00", "--on", "2026-11-31"}), A::Refuse, nullptr, 0,
            "--on:"},
        Row{"UsDateForAGermanUser", add({"--at", "8:00", "--on", "12/9/26"}), A::Refuse, nullptr, 0,
            "--on:", true},
        Row{"Modes", add({"--at", "8:00", "--mode", "sound"}), A::CarryOut, "08:00:00"},
        Row{"UnknownMode", add({"--at", "8:00", "--mode", "loud"}), A::Refuse, nullptr, 0,
            "--mode: 'loud' is not one of"},
        Row{"SoundFile", add({"--at", "8:00", "--sound", "ring.wav"}), A::CarryOut, "08:00:00"},
        Row{"MissingSoundFile", add({"--at", "8:00", "--sound", "gone.wav"}), A::Refuse, nullptr, 0,
            "--sound: 'gone.wav' is not a file"},
        Row{"SoundAndNoSound", add({"--at", "8:00", "--sound", "ring.wav", "--no-sound"}), A::Refuse, nullptr,
            0, "--sound: --sound and --no-sound"},
        Row{"HundredCharacters",
            {QStringLiteral("--add"), QString(100, QChar(0x00E9)), QStringLiteral("--at"),
             QStringLiteral("8:00")},
            A::CarryOut,
            "08:00:00"},
        Row{"HundredAndOneCharacters",
            {QStringLiteral("--add"), QString(101, QLatin1Char('x')), QStringLiteral("--at"),
             QStringLiteral("8:00")},
            A::Refuse,
            nullptr,
            0,
            "--add: the message is refused: it has 101 characters"},
        Row{"Caret",
            {QStringLiteral("--add"), QStringLiteral("a^b"), QStringLiteral("--at"), QStringLiteral("8")},
            A::Refuse,
            nullptr,
            0,
            "--add: the message is refused: it cannot contain \"^\""},
        Row{"LineBreak",
            {QStringLiteral("--add"), QStringLiteral("a\nb"), QStringLiteral("--at"), QStringLiteral("8")},
            A::Refuse,
            nullptr,
            0,
            "--add: the message is refused: it cannot contain control"},
        Row{"MessageWithoutValue", {QStringLiteral("--add")}, A::Refuse, nullptr, 0, "Missing value after"},
        Row{"UnknownOptionWithACommand",
            {QStringLiteral("--list"), QStringLiteral("--al")},
            A::Refuse,
            nullptr,
            0,
            "Unknown option 'al'"},
        Row{"TwoCommands", add({"--at", "8:00", "--list"}), A::Refuse, nullptr, 0, "give one of"},
        Row{"GivenTwice", add({"--at", "8:00", "--at", "9:00"}), A::Refuse, nullptr, 0,
            "--at: given more than once"},
        Row{"StrayWord", add({"--at", "8:00", "Milk"}), A::Refuse, nullptr, 0, "Milk: unexpected argument"},
        Row{"AtWithoutAdd",
            {QStringLiteral("--list"), QStringLiteral("--at"), QStringLiteral("8")},
            A::Refuse,
            nullptr,
            0,
            "--at: belongs to --add"},
        Row{"TodayWithoutList",
            {QStringLiteral("--show"), QStringLiteral("--today")},
            A::Refuse,
            nullptr,
            0,
            "--today: belongs to --list"},
        Row{"ListToday", {QStringLiteral("--list"), QStringLiteral("--today")}, A::CarryOut},
        Row{"ImportAFile", words({"--import", "ring.wav"}), A::CarryOut},
        Row{"ImportWhatIsNoFile", words({"--import", "gone.ics"}), A::Refuse, nullptr, 0,
            "--import: 'gone.ics' is not a file"},
        Row{"ExportANewFile", words({"--export", "new.ics"}), A::CarryOut},
        Row{"ExportIntoAFolder", words({"--export", "."}), A::Refuse, nullptr, 0,
            "--export: '.' is a folder"},
        Row{"ImportAndExport", words({"--import", "ring.wav", "--export", "b.ics"}), A::Refuse, nullptr, 0,
            "give one of"},
        Row{"ImportWithToday", words({"--import", "ring.wav", "--today"}), A::Refuse, nullptr, 0,
            "--today: belongs to --list"},
        calendarCommand("CalendarOfAServer",
                        {"--calendar", "https://dav.example.com", "--user", "al", "--password-stdin"},
                        CommandKind::ConnectCalendar),
        calendarCommand("CalendarOnThisComputerNeedsNoAllowance",
                        {"--calendar", "http://127.0.0.1:5232/al/cal/", "--user", "al", "--password-stdin"},
                        CommandKind::ConnectCalendar),
        calendarCommand("CalendarOff", {"--calendar", "off"}, CommandKind::TurnOffCalendar),
        calendarCommand("Sync", {"--sync"}, CommandKind::SyncCalendar),
        calendarCommand("SyncWithAPassword", {"--sync", "--password-stdin"}, CommandKind::SyncCalendar),
        calendarRefusal("CalendarWithoutUser", {"--calendar", "https://dav.example.com", "--password-stdin"},
                        "--calendar: --user NAME is required"),
        calendarRefusal("CalendarWithoutPassword", {"--calendar", "https://dav.example.com", "--user", "al"},
                        "--calendar: --password-stdin is required"),
        calendarRefusal("CalendarNotAnAddress",
                        {"--calendar", "dav.example.com", "--user", "al", "--password-stdin"},
                        "--calendar: 'dav.example.com' is not an http or https address"),
        calendarRefusal("CalendarUnencryptedNotAllowed",
                        {"--calendar", "http://nas.home/dav/", "--user", "al", "--password-stdin"},
                        "--calendar: nas.home would be reached unencrypted"),
        calendarRefusal("CalendarPasswordInTheAddress",
                        {"--calendar", "https://al:pw@dav.example.com/", "--user", "al", "--password-stdin"},
                        "--calendar: the address holds a password"),
        calendarRefusal("CalendarOffWithAUser", {"--calendar", "off", "--user", "al"},
                        "--user: does not go with --calendar off"),
        calendarRefusal("UserWithoutCalendar", {"--sync", "--user", "al"}, "--user: belongs to --calendar"),
        calendarRefusal("PasswordWithoutCalendarOrSync", {"--list", "--password-stdin"},
                        "--password-stdin: belongs to --calendar and --sync"),
        calendarRefusal("CalendarAndSync", {"--calendar", "off", "--sync"}, "give one of"),
        Row{"Help", {QStringLiteral("-h")}, A::PrintHelp},
        Row{"HelpAll", {QStringLiteral("--help-all")}, A::PrintHelpWithToolkitOptions},
        Row{"Version", {QStringLiteral("--version")}, A::PrintVersion}),
    [](const ::testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });

TEST(CommandLineCalendar, TheConnectionReachesTheRequest)
{
    const FakeClock clock(at(2026, 12, 8, 9, 0));
    const DateTimeFormats formats(usUser());
    const CommandLine line = readCommandLine(words({"klaxora", "--calendar", "http://nas.home/dav/", "--user",
                                                    "al", "--password-stdin", "--allow-unencrypted"}),
                                             formats, clock, QDir::currentPath());
    ASSERT_EQ(int(line.action), int(A::CarryOut)) << line.error;
    EXPECT_EQ(line.request.calendarAddress, "http://nas.home/dav/");
    EXPECT_EQ(line.request.calendarUser, "al");
    EXPECT_TRUE(line.request.allowUnencrypted);
    EXPECT_TRUE(line.request.passwordFromInput);
    EXPECT_FALSE(line.request.password) << "never from the arguments";
}

TEST(CommandLineHelp, ListsEveryOptionAndTheIconicStart)
{
    const QString help = commandLineHelp();
    for (const char* option : {"--add", "--at", "--on", "--repeat", "--sound", "--no-sound", "--mode",
                               "--list", "--today", "--calendar", "--user", "--password-stdin",
                               "--allow-unencrypted", "--sync", "--show", "--help", "--version", "iconic"})
        EXPECT_TRUE(help.contains(QLatin1String(option))) << option;
}

TEST(CommandLineHelp, LeavesTheToolkitsOptionsToHelpAll)
{
    EXPECT_FALSE(commandLineHelp().contains(QLatin1String("--platform")));
    const QString all = commandLineHelp(true);
    for (const char* option : {"--platform <", "--style <", "--display <", "--reverse", "--add"})
        EXPECT_TRUE(all.contains(QLatin1String(option))) << option;
}

} // namespace
} // namespace klaxora::testing
