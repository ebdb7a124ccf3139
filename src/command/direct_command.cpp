#include "command/direct_command.h"

#include "command/command_execution.h"
#include "store/program_files.h"

#include <exception>

namespace klaxora {

CommandReply CarryOutWithoutProgram(const CommandRequest& request, const CommandContext& context)
{
    ProgramFiles files;
    try {
        files = LoadProgramFiles(*context.WallClock, *context.Files, context.FilesFolder(), *context.Formats);
    } catch (const std::exception& error) {
        return FailedReply("the alarm file could not be read: " + std::string(error.what()));
    }
    // Without the file's alarms a list would be wrong and an add could not be saved.
    if (!files.AlarmFileError.empty())
        return FailedReply("the alarm file could not be read: " + files.AlarmFileError);
    AlarmStore& store = *files.Alarms;
    if (request.Kind == CommandKind::List)
        return {ExitDone, AlarmListText(store, *context.WallClock, request.TodayOnly), {}};
    return CarryOutAdd(request, store, *context.WallClock, NewAlarmWaveFile(files.Options),
                       [&store] { store.WriteToDisk(); });
}

} // namespace klaxora
