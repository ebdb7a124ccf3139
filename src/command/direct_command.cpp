#include "command/direct_command.h"

#include "command/calendar_commands.h"
#include "command/command_execution.h"
#include "command/translated_text.h"
#include "store/program_files.h"
#include "sync/icalendar_zone.h"

#include <exception>

namespace klaxora {

CommandReply carryOutWithoutProgram(const CommandRequest& request, const CommandContext& context)
{
    ProgramFiles files;
    try {
        files = loadProgramFiles(*context.wallClock, *context.files, context.filesFolder(), *context.formats);
    } catch (const std::exception& error) {
        return failedReply(fillText(
            translatedText("CommandReply",
                           QT_TRANSLATE_NOOP("CommandReply", "the alarm file could not be read: %1")),
            {translatedError(error)}));
    }
    // Without the file's alarms a list would be wrong and an add could not be saved.
    if (files.alarmFileError)
        return failedReply(fillText(
            translatedText("CommandReply",
                           QT_TRANSLATE_NOOP("CommandReply", "the alarm file could not be read: %1")),
            {files.alarmFileError->in(translatedText)}));
    AlarmStore& store = *files.alarms;
    if (request.kind == CommandKind::List)
        return {ExitDone, alarmListText(store, *context.wallClock, request.todayOnly), {}};
    const CalendarFiles calendarFiles{*context.files, *context.wallClock, systemZoneName(*context.files)};
    if (request.kind == CommandKind::Export)
        return carryOutExport(request, store, calendarFiles, translatedText);
    if (request.kind == CommandKind::Import)
        return carryOutImport(
            request, store, calendarFiles, newAlarmWaveFile(files.options), [&store] { store.writeToDisk(); },
            translatedText);
    return carryOutAdd(
        request, store, *context.wallClock, newAlarmWaveFile(files.options),
        [&store] { store.writeToDisk(); }, translatedText);
}

} // namespace klaxora
