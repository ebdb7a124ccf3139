#include "sync/icalendar_import.h"

#include "store/text_encoding.h"
#include "sync/icalendar_names.h"
#include "sync/icalendar_time.h"
#include "sync/icalendar_triggers.h"

#include <libical/ical.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>

namespace klaxora {

namespace {

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};

std::optional<std::string> xText(icalcomponent* component, std::string_view name)
{
    for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_X_PROPERTY); p != nullptr;
         p = icalcomponent_get_next_property(component, ICAL_X_PROPERTY)) {
        const char* xName = icalproperty_get_x_name(p);
        if (xName != nullptr && name == xName) {
            const char* value = icalproperty_get_x(p);
            return std::string(value != nullptr ? value : "");
        }
    }
    return std::nullopt;
}

bool hasProperty(icalcomponent* component, icalproperty_kind kind)
{
    return icalcomponent_get_first_property(component, kind) != nullptr;
}

// The text as UTF-8 (read as the alarm file reads it otherwise), with every control character and "^"
// (the alarm file's separator) made a space.
std::string fileSafeText(const char* text)
{
    std::string safe = decodeFileText(text != nullptr ? text : "");
    for (std::size_t i = 0; i < safe.size(); ++i) {
        const auto c = static_cast<unsigned char>(safe[i]);
        if (c < 0x20 || c == 0x7F || c == '^') {
            safe[i] = ' ';
        } else if (c == 0xC2 && i + 1 < safe.size() && static_cast<unsigned char>(safe[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(safe[i + 1]) <= 0x9F) {
            safe.replace(i, 2, " "); // a C1 control character
        }
    }
    return safe;
}

bool fileSafe(const std::string& text)
{
    return fileSafeText(text.c_str()) == text;
}

// A stable identity for an event that has none of its own (or one the alarm file cannot hold), so that
// importing the same file again finds it.
std::string derivedUid(icalcomponent* component)
{
    char* text = icalcomponent_as_ical_string_r(component);
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (const char* c = text; c != nullptr && *c != '\0'; ++c)
        hash = (hash ^ static_cast<unsigned char>(*c)) * 1099511628211ull;
    icalmemory_free_buffer(text);
    char uid[48];
    std::snprintf(uid, sizeof uid, "%016llx@imported.klaxora", static_cast<unsigned long long>(hash));
    return uid;
}

// A rule this program's repeat days can hold: every week on plain weekdays (or every day), for ever.
bool holdable(const icalrecurrencetype& rule, icalcomponent* component)
{
    if ((rule.freq != ICAL_WEEKLY_RECURRENCE && rule.freq != ICAL_DAILY_RECURRENCE) || rule.interval > 1 ||
        rule.count != 0 || !icaltime_is_null_time(rule.until) ||
        hasProperty(component, ICAL_EXDATE_PROPERTY) || hasProperty(component, ICAL_RDATE_PROPERTY))
        return false;
    for (const short* by : {rule.by_second, rule.by_minute, rule.by_hour, rule.by_month_day, rule.by_year_day,
                            rule.by_week_no, rule.by_month, rule.by_set_pos}) {
        if (by[0] != ICAL_RECURRENCE_ARRAY_MAX)
            return false;
    }
    if (rule.freq == ICAL_DAILY_RECURRENCE && rule.by_day[0] != ICAL_RECURRENCE_ARRAY_MAX)
        return false;
    for (int i = 0; i < ICAL_BY_DAY_SIZE && rule.by_day[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i) {
        if (icalrecurrencetype_day_position(rule.by_day[i]) != 0)
            return false;
    }
    return true;
}

bool finished(icalcomponent* item)
{
    const icalproperty_status status = icalcomponent_get_status(item);
    return status == ICAL_STATUS_CANCELLED || status == ICAL_STATUS_COMPLETED ||
           hasProperty(item, ICAL_COMPLETED_PROPERTY);
}

void readItem(icalcomponent* item, const CalendarZone& zone, DateTime now, CalendarReading& reading)
{
    icalcomponent* chosen = nullptr;
    ReminderTriggers best;
    bool anyTime = false;
    for (icalcomponent* valarm = icalcomponent_get_first_component(item, ICAL_VALARM_COMPONENT);
         valarm != nullptr; valarm = icalcomponent_get_next_component(item, ICAL_VALARM_COMPONENT)) {
        const ReminderTriggers triggers = reminderTriggers(item, valarm, zone, now);
        anyTime = anyTime || triggers.next || triggers.lastPast;
        const bool better = triggers.next ? !best.next || *triggers.next < *best.next
                                          : !best.next && triggers.lastPast && !triggers.acknowledged &&
                                                (!best.lastPast || *triggers.lastPast > *best.lastPast);
        if (better) {
            best = triggers;
            chosen = valarm;
        }
    }
    if (chosen == nullptr) {
        ++(anyTime ? reading.passed : reading.withoutTime);
        return;
    }
    icalproperty* ruleProperty = icalcomponent_get_first_property(item, ICAL_RRULE_PROPERTY);
    const bool repeats = ruleProperty != nullptr && best.next;
    if (finished(item) || (ruleProperty != nullptr && !best.next)) {
        ++reading.passed; // done, or a series that has ended
        return;
    }

    const DateTime at = best.next ? *best.next : *best.lastPast;
    if (const int year = decodeDate(at).year; year < CalendarFirstYear || year > CalendarLastYear) {
        ++reading.withoutTime;
        return;
    }
    CalendarAlarm alarm;
    alarm.date = dateOf(at);
    alarm.time = timeOf(at);
    if (repeats && holdable(icalproperty_get_rrule(ruleProperty), item))
        alarm.repeatDays = best.weekDays;
    alarm.nextOfSeries = repeats && alarm.repeatDays.empty();
    const char* summary = icalcomponent_get_summary(item);
    if (summary == nullptr || *summary == '\0') {
        icalproperty* description = icalcomponent_get_first_property(chosen, ICAL_DESCRIPTION_PROPERTY);
        summary = description != nullptr ? icalproperty_get_description(description) : nullptr;
    }
    alarm.message = fileSafeText(summary);
    if (const std::optional<std::string> quoted = xText(item, MessageProperty);
        quoted && quoted->size() >= 2 && quoted->front() == '"' && quoted->back() == '"')
        alarm.message = fileSafeText(quoted->substr(1, quoted->size() - 2).c_str());

    const std::optional<std::string> mode = xText(item, ModeProperty);
    const auto named =
        mode ? std::find(CalendarModeNames.begin(), CalendarModeNames.end(), *mode) : CalendarModeNames.end();
    icalproperty* action = icalcomponent_get_first_property(chosen, ICAL_ACTION_PROPERTY);
    if (named != CalendarModeNames.end())
        alarm.mode = static_cast<AlarmMode>(named - CalendarModeNames.begin());
    else if (action != nullptr && icalproperty_get_action(action) == ICAL_ACTION_AUDIO)
        alarm.mode = amSoundOnly;
    // This program's own events name their sound when they have one; others leave it to the default.
    const std::optional<std::string> sound = xText(item, SoundProperty);
    if (sound && fileSafe(*sound))
        alarm.waveFile = *sound;
    else if (mode || sound)
        alarm.waveFile = std::string();

    const char* uid = icalcomponent_get_uid(item);
    alarm.uid = uid != nullptr ? uid : "";
    if (alarm.uid.empty() || !fileSafe(alarm.uid))
        alarm.uid = derivedUid(item);
    reading.alarms.push_back(std::move(alarm));
}

// The first complaint libical left in the tree, or empty.
std::string firstError(icalcomponent* component)
{
    if (icalproperty* error = icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY)) {
        const char* text = icalproperty_get_xlicerror(error);
        return text != nullptr && *text != '\0' ? text : "unreadable line";
    }
    for (icalcomponent* child = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT);
         child != nullptr; child = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT)) {
        if (std::string text = firstError(child); !text.empty())
            return text;
    }
    return {};
}

void readCalendar(icalcomponent* calendar, const CalendarZone& zone, DateTime now, CalendarReading& reading)
{
    for (const icalcomponent_kind kind : {ICAL_VEVENT_COMPONENT, ICAL_VTODO_COMPONENT}) {
        for (icalcomponent* item = icalcomponent_get_first_component(calendar, kind); item != nullptr;
             item = icalcomponent_get_next_component(calendar, kind)) {
            if (icalcomponent_get_first_component(item, ICAL_VALARM_COMPONENT) == nullptr)
                ++reading.withoutReminder;
            else
                readItem(item, zone, now, reading);
        }
    }
}

} // namespace

CalendarReading readICalendar(std::string_view text, const std::string& zoneName, DateTime now)
{
    if (text.size() > ICalendarSizeLimit)
        throw ICalendarError(QT_TRANSLATE_NOOP("CommandReply", "the file is larger than 50 MB"));
    if (text.find('\0') != std::string_view::npos)
        throw ICalendarError(QT_TRANSLATE_NOOP("CommandReply", "the file holds a NUL character, which no "
                                                               "iCalendar text has"));
    const std::string terminated(text);
    const std::unique_ptr<icalcomponent, ComponentFree> root(icalparser_parse_string(terminated.c_str()));
    const icalcomponent_kind kind = root ? icalcomponent_isa(root.get()) : ICAL_NO_COMPONENT;
    if (kind != ICAL_VCALENDAR_COMPONENT && kind != ICAL_XROOT_COMPONENT)
        throw ICalendarError(QT_TRANSLATE_NOOP("CommandReply", "it is not an iCalendar text (no VCALENDAR)"));
    if (const std::string error = firstError(root.get()); !error.empty())
        throw ICalendarError(QT_TRANSLATE_NOOP("CommandReply", "it is not valid iCalendar: %1"), error);

    const CalendarZone zone(zoneName);
    CalendarReading reading;
    if (kind == ICAL_VCALENDAR_COMPONENT) {
        readCalendar(root.get(), zone, now, reading);
        return reading;
    }
    for (icalcomponent* calendar = icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT);
         calendar != nullptr;
         calendar = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT))
        readCalendar(calendar, zone, now, reading);
    return reading;
}

} // namespace klaxora
