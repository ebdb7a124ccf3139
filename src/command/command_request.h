// A command given on the command line (add an alarm, list the alarms, show the window, import or export
// the alarms, connect, turn off or run the calendar sync) and the answer it gets, the same whether the
// running program carries it out or the command does so itself.
#pragma once

#include "store/alarm_records.h"
#include "store/date_time.h"
#include "store/repeat_days.h"

#include <functional>
#include <optional>
#include <string>

namespace klaxora {

// The exit codes of a command; scripts rely on them.
enum CommandExitCode : int {
    ExitDone = 0,
    ExitFailed = 1,
    ExitBadInput = 2,
    ExitTimePassed = 3,
};

// --calendar URL, --calendar off and --sync are the last three.
enum class CommandKind { Add, List, Show, Import, Export, ConnectCalendar, TurnOffCalendar, SyncCalendar };

// --sound FILE, --no-sound, or neither: the default sound, as Add Alarm takes it.
enum class SoundChoice { Default, None, File };

struct CommandRequest {
    CommandKind kind = CommandKind::List;

    // --add: already checked against the rules of the editor.
    std::string message;
    DateTime time = 0;            // time of day in whole seconds
    std::optional<DateTime> date; // --on; left out, today or tomorrow (a repeating alarm: today)
    SoundChoice sound = SoundChoice::Default;
    std::string soundFile; // absolute, for SoundChoice::File
    AlarmMode mode = amMessageAndSound;
    RepeatDays repeatDays; // --repeat; none, it rings once

    // --list --today
    bool todayOnly = false;

    // --import, --export: the iCalendar file, absolute.
    std::string calendarFile;

    // --calendar URL: a calendar's own address or a server's, with --user and --allow-unencrypted.
    std::string calendarAddress;
    std::string calendarUser;
    bool allowUnencrypted = false;
    // --password-stdin: the command reads the password from its standard input, never from the
    // arguments, and hands it on with the request.
    bool passwordFromInput = false;
    std::optional<std::string> password;

    friend bool operator==(const CommandRequest&, const CommandRequest&) = default;
};

struct CommandReply {
    int exitCode = ExitDone;
    std::string output; // for standard output
    std::string errors; // for standard error

    friend bool operator==(const CommandReply&, const CommandReply&) = default;
};

// Called once with the reply, at once or when a command that waits for a server is done.
using CommandReplyCallback = std::function<void(const CommandReply&)>;

inline CommandReply failedReply(const std::string& why)
{
    return {ExitFailed, {}, "klaxora: " + why + "\n"};
}

} // namespace klaxora
