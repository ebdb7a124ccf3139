#include "command/direct_command.h"

#include "command/calendar_commands.h"
#include "command/calendar_sync_commands.h"
#include "command/command_execution.h"
#include "command/translated_text.h"
#include "store/program_files.h"
#include "sync/icalendar_zone.h"

#include <QEventLoop>

#include <exception>
#include <optional>

namespace klaxora {

namespace {

// A sync like the running program's, made for the files and run in an event loop of its own until it
// has answered.
CommandReply carryOutCalendarSyncOnFiles(const CommandRequest& request, ProgramFiles& files,
                                         const std::string& folder, const CommandContext& context)
{
    AlarmStore& store = *files.alarms;
    CalendarSyncSetup setup;
    setup.folder = folder;
    setup.zoneName = systemZoneName(*context.files);
    setup.newAlarmWaveFile = [&files] { return newAlarmWaveFile(files.options); };
    setup.saveAlarms = [&store] { store.writeToDisk(); };
    std::optional<CalendarSync> sync;
    try {
        sync.emplace(store, *context.wallClock, *context.files, std::move(setup));
    } catch (const std::exception& error) {
        return failedReply(
            fillText(translatedText("CommandReply",
                                    QT_TRANSLATE_NOOP("CommandReply", "Calendar.dat could not be read: %1")),
                     {translatedError(error)}));
    }
    CalendarPasswords passwords;
    QEventLoop loop;
    std::optional<CommandReply> answer;
    carryOutCalendarSync(request, *sync, passwords, [&answer, &loop](const CommandReply& reply) {
        answer = reply;
        loop.quit();
    });
    if (!answer)
        loop.exec();
    return *answer;
}

} // namespace

CommandReply carryOutWithoutProgram(const CommandRequest& request, const CommandContext& context)
{
    ProgramFiles files;
    const std::string folder = context.filesFolder();
    try {
        files = loadProgramFiles(*context.wallClock, *context.files, folder, *context.formats);
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
    if (isCalendarSyncCommand(request.kind))
        return carryOutCalendarSyncOnFiles(request, files, folder, context);
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
