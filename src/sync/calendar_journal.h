// The calendar sync's own file, "Calendar.dat" beside the alarm file: the calendar it syncs with, and for
// each object of that calendar what the server and this program last agreed on. An alarm that differs
// from its agreed state, that has none, or that is gone while its state is kept is a change not sent yet,
// so local changes survive a server that cannot be reached, and a restart, without a list of their own.
// Standard library only; the file is replaced atomically.
#pragma once

#include "store/alarm_records.h"
#include "store/file_system.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace klaxora {

struct CalendarConnection {
    std::string collection; // the calendar collection's address
    std::string user;
    bool allowUnencrypted = false; // "Allow an unencrypted connection" for this server

    friend bool operator==(const CalendarConnection&, const CalendarConnection&) = default;
};

// What both sides last agreed on for one calendar object.
struct AgreedObject {
    std::string version; // CalDavObject::version()
    std::string uid;     // empty: the object holds no alarm for this program
    // alarmFingerprint() of the alarm here, and of the server's alarm: either differing from its
    // fingerprint now is a change on that side.
    std::string localFingerprint;
    std::string serverFingerprint;
    // A series of another calendar program's that the alarm holds only the next occurrence of: deleting
    // the alarm here must not delete the whole series there.
    bool seriesFromElsewhere = false;

    friend bool operator==(const AgreedObject&, const AgreedObject&) = default;
};

struct CalendarJournal {
    CalendarConnection connection;
    std::string syncToken;
    std::map<std::string, AgreedObject> objects; // by the object's address

    friend bool operator==(const CalendarJournal&, const CalendarJournal&) = default;
};

// What an alarm is, for telling a change: its fields as they ring. A repeating alarm's date is left out,
// since each program moves it on by itself as occurrences are answered.
std::string alarmFingerprint(DateTime time, DateTime date, std::string_view message,
                             std::string_view waveFile, AlarmMode mode, RepeatDays repeatDays);
std::string alarmFingerprint(const StoredAlarm& alarm);

// "Calendar.dat" in `folder`.
std::string calendarJournalPath(const std::string& folder);

// None when the file is missing (the sync is off) or is not a journal; throws InOutError when it cannot
// be read.
std::optional<CalendarJournal> readCalendarJournal(FileSystem& fileSystem, const std::string& path);
// Throws InOutError; the file is then as it was.
void writeCalendarJournal(FileSystem& fileSystem, const std::string& path, const CalendarJournal& journal);
// Turns the sync off. Throws InOutError when the file exists and cannot be removed.
void removeCalendarJournal(FileSystem& fileSystem, const std::string& path);

} // namespace klaxora
