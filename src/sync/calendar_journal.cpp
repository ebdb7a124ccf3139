#include "sync/calendar_journal.h"

#include "store/atomic_file.h"
#include "store/io_error.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace klaxora {

namespace {

constexpr std::string_view FirstLine = "Klaxora! calendar journal 1";

// Tabs and line ends separate the file's fields; addresses, ETags and tokens never hold them.
std::string field(std::string_view text)
{
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text)
        kept += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
    return kept;
}

std::vector<std::string_view> splitTabs(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

void hashInto(std::uint64_t& hash, std::string_view bytes)
{
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL; // FNV-1a
    }
    hash ^= 0xFF; // a separator no UTF-8 text holds, so "ab"+"c" differs from "a"+"bc"
    hash *= 0x100000001b3ULL;
}

} // namespace

std::string alarmFingerprint(DateTime time, DateTime date, std::string_view message,
                             std::string_view waveFile, AlarmMode mode, RepeatDays repeatDays)
{
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%lld %lld %u %u", std::llround(time * 86400.0),
                  repeatDays.empty() ? static_cast<long long>(std::floor(date)) : 0LL, unsigned{mode},
                  unsigned{repeatDays.bits()});
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    hashInto(hash, numbers);
    hashInto(hash, message);
    hashInto(hash, waveFile);
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::string alarmFingerprint(const StoredAlarm& alarm)
{
    return alarmFingerprint(alarm.alarmTime, alarm.alarmDate, alarm.message, alarm.waveFile, alarm.alarmMode,
                            alarm.repeatDays);
}

std::string calendarJournalPath(const std::string& folder)
{
    return folder + "/Calendar.dat";
}

std::optional<CalendarJournal> readCalendarJournal(FileSystem& fileSystem, const std::string& path)
{
    std::string contents;
    if (const int error = fileSystem.readWholeFile(path, contents); error == ENOENT)
        return std::nullopt;
    else if (error != 0)
        throw InOutError(error);
    CalendarJournal journal;
    bool first = true;
    for (std::size_t start = 0; start < contents.size();) {
        std::size_t end = contents.find('\n', start);
        if (end == std::string::npos)
            end = contents.size();
        const std::string_view line = std::string_view(contents).substr(start, end - start);
        start = end + 1;
        if (first) {
            if (line != FirstLine)
                return std::nullopt;
            first = false;
            continue;
        }
        const std::vector<std::string_view> fields = splitTabs(line);
        const std::string_view key = fields[0];
        if (key == "object" && fields.size() == 7) {
            journal.objects[std::string(fields[1])] =
                AgreedObject{std::string(fields[2]), std::string(fields[3]), std::string(fields[4]),
                             std::string(fields[5]), fields[6] == "1"};
        } else if (fields.size() == 2) {
            const std::string value(fields[1]);
            if (key == "collection")
                journal.connection.collection = value;
            else if (key == "user")
                journal.connection.user = value;
            else if (key == "unencrypted")
                journal.connection.allowUnencrypted = value == "1";
            else if (key == "token")
                journal.syncToken = value;
        }
    }
    if (first || journal.connection.collection.empty())
        return std::nullopt;
    return journal;
}

void writeCalendarJournal(FileSystem& fileSystem, const std::string& path, const CalendarJournal& journal)
{
    std::string text(FirstLine);
    text += "\ncollection\t" + field(journal.connection.collection);
    text += "\nuser\t" + field(journal.connection.user);
    text += journal.connection.allowUnencrypted ? "\nunencrypted\t1" : "\nunencrypted\t0";
    text += "\ntoken\t" + field(journal.syncToken) + '\n';
    for (const auto& [url, object] : journal.objects) {
        text += "object\t" + field(url) + '\t' + field(object.version) + '\t' + field(object.uid) + '\t' +
                object.localFingerprint + '\t' + object.serverFingerprint +
                (object.seriesFromElsewhere ? "\t1\n" : "\t0\n");
    }
    replaceFileAtomically(fileSystem, path, text);
}

void removeCalendarJournal(FileSystem& fileSystem, const std::string& path)
{
    if (const int error = fileSystem.remove(path); error != 0 && error != ENOENT)
        throw InOutError(error);
}

} // namespace klaxora
