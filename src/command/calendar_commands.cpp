#include "command/calendar_commands.h"

#include "store/atomic_file.h"
#include "store/io_error.h"
#include "store/user_error.h"
#include "sync/icalendar_export.h"
#include "sync/icalendar_import.h"
#include "sync/icalendar_store.h"

#include <exception>

namespace klaxora {

namespace {

using Words = std::function<std::string(const char*, std::initializer_list<std::string>)>;

Words wordsOf(const Translate& translate)
{
    return [&translate](const char* text, std::initializer_list<std::string> values) {
        return fillText(translate("CommandReply", text), values);
    };
}

// One line for each reason that skipped something.
std::string skippedLines(const CalendarReading& reading, const CalendarImport& import, const Words& words)
{
    std::string lines;
    const auto add = [&](int count, const char* text) {
        if (count > 0)
            lines += words(text, {std::to_string(count)}) + "\n";
    };
    add(reading.withoutReminder, QT_TRANSLATE_NOOP("CommandReply", "  without a reminder (VALARM): %1"));
    add(import.alreadyHere, QT_TRANSLATE_NOOP("CommandReply", "  already in the list (same UID): %1"));
    add(reading.passed, QT_TRANSLATE_NOOP("CommandReply", "  passed and answered, done or ended: %1"));
    add(reading.withoutTime, QT_TRANSLATE_NOOP("CommandReply", "  without a time to ring at: %1"));
    add(import.refused, QT_TRANSLATE_NOOP("CommandReply", "  refused by the alarm list: %1"));
    return lines;
}

} // namespace

CommandReply carryOutImport(const CommandRequest& request, AlarmStore& store, const CalendarFiles& files,
                            const std::string& newAlarmWaveFile, const std::function<void()>& save,
                            const Translate& translate)
{
    const Words words = wordsOf(translate);
    std::string text;
    if (const int error = files.fileSystem.readWholeFile(request.calendarFile, text); error != 0)
        return failedReply(words(QT_TRANSLATE_NOOP("CommandReply", "the calendar file could not be read: %1"),
                                 {inOutErrorText(error).in(translate)}));
    CalendarReading reading;
    try {
        reading = readICalendar(text, files.zoneName, files.clock.now());
    } catch (const ICalendarError& error) {
        return {ExitBadInput,
                {},
                "klaxora: " +
                    words(QT_TRANSLATE_NOOP("CommandReply", "the calendar file is refused: %1"),
                          {userTextOf(error).in(translate)}) +
                    "\n"};
    }
    const CalendarImport import = addCalendarAlarms(store, reading, newAlarmWaveFile);
    if (import.added > 0) {
        try {
            save();
        } catch (const std::exception& error) {
            return failedReply(
                words(QT_TRANSLATE_NOOP("CommandReply", "the alarm file could not be written: %1"),
                      {userTextOf(error).in(translate)}));
        }
    }
    const int skipped =
        reading.withoutReminder + reading.passed + reading.withoutTime + import.alreadyHere + import.refused;
    return {ExitDone,
            words(QT_TRANSLATE_NOOP("CommandReply", "Alarms added: %1. Events skipped: %2."),
                  {std::to_string(import.added), std::to_string(skipped)}) +
                "\n" + skippedLines(reading, import, words),
            {}};
}

CommandReply carryOutExport(const CommandRequest& request, const AlarmStore& store,
                            const CalendarFiles& files, const Translate& translate)
{
    const Words words = wordsOf(translate);
    const CalendarExport written =
        alarmsToICalendar(store.baseAlarmList(), files.zoneName, files.clock.now());
    try {
        replaceFileAtomically(files.fileSystem, request.calendarFile, written.text);
    } catch (const std::exception& error) {
        return failedReply(
            words(QT_TRANSLATE_NOOP("CommandReply", "the calendar file could not be written: %1"),
                  {userTextOf(error).in(translate)}));
    }
    return {ExitDone,
            words(QT_TRANSLATE_NOOP("CommandReply", "Alarms exported: %1, to %2."),
                  {std::to_string(written.alarms), request.calendarFile}) +
                "\n",
            {}};
}

} // namespace klaxora
