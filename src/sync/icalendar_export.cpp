#include "sync/icalendar_export.h"

#include "sync/icalendar_names.h"
#include "sync/icalendar_time.h"

#include <libical/ical.h>

#include <memory>

namespace klaxora {

namespace {

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

void addText(icalcomponent* component, const char* name, const std::string& value)
{
    icalproperty* property = icalproperty_new_x(value.c_str());
    icalproperty_set_x_name(property, name);
    icalcomponent_add_property(component, property);
}

// libical refuses a text value that is empty once its blanks are dropped.
bool hasText(const std::string& text)
{
    return text.find_first_not_of(' ') != std::string::npos;
}

icalproperty* startProperty(const CalendarZone& zone, const StoredAlarm& alarm)
{
    icalproperty* start = icalproperty_new_dtstart(zone.toCalendar(alarm.alarmDate + alarm.alarmTime));
    if (zone.zone() != nullptr && zone.zone() != icaltimezone_get_utc_timezone())
        icalproperty_add_parameter(start, icalparameter_new_tzid(icaltimezone_get_tzid(zone.zone())));
    return start;
}

icalproperty* weeklyRule(RepeatDays days)
{
    icalrecurrencetype rule;
    icalrecurrencetype_clear(&rule);
    rule.freq = ICAL_WEEKLY_RECURRENCE;
    int next = 0;
    for (int day = 1; day <= 7; ++day) {
        if (days.contains(day))
            rule.by_day[next++] = static_cast<short>(CalendarWeekdays[static_cast<std::size_t>(day - 1)]);
    }
    rule.by_day[next] = ICAL_RECURRENCE_ARRAY_MAX;
    return icalproperty_new_rrule(rule);
}

icalcomponent* reminder(const StoredAlarm& alarm)
{
    icalcomponent* valarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
    icalcomponent_add_property(
        valarm,
        icalproperty_new_action(alarm.alarmMode == amSoundOnly ? ICAL_ACTION_AUDIO : ICAL_ACTION_DISPLAY));
    icaltriggertype trigger{};
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_null_duration();
    icalcomponent_add_property(valarm, icalproperty_new_trigger(trigger));
    if (alarm.alarmMode != amSoundOnly && hasText(alarm.message))
        icalcomponent_add_property(valarm, icalproperty_new_description(alarm.message.c_str()));
    return valarm;
}

icalcomponent* event(const CalendarZone& zone, const StoredAlarm& alarm, icaltimetype stamp)
{
    icalcomponent* vevent = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(vevent, icalproperty_new_uid(alarm.uid.c_str()));
    icalcomponent_add_property(vevent, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(vevent, startProperty(zone, alarm));
    if (hasText(alarm.message))
        icalcomponent_add_property(vevent, icalproperty_new_summary(alarm.message.c_str()));
    // libical drops the blanks around a value: a message with blanks at an end keeps them in quotes.
    if (alarm.message.find_first_not_of(' ') != 0 ||
        alarm.message.find_last_not_of(' ') + 1 != alarm.message.size())
        addText(vevent, MessageProperty, '"' + alarm.message + '"');
    if (!alarm.repeatDays.empty())
        icalcomponent_add_property(vevent, weeklyRule(alarm.repeatDays));
    addText(vevent, ModeProperty, std::string(CalendarModeNames[alarm.alarmMode % CalendarModeNames.size()]));
    if (!alarm.waveFile.empty())
        addText(vevent, SoundProperty, alarm.waveFile);
    icalcomponent_add_component(vevent, reminder(alarm));
    return vevent;
}

} // namespace

CalendarExport alarmsToICalendar(const OwningList<StoredAlarm>& alarms, const std::string& zoneName,
                                 DateTime stamp)
{
    const CalendarZone zone(zoneName);
    const Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Klaxora//Klaxora!//EN"));
    if (zone.zone() != nullptr && zone.zone() != icaltimezone_get_utc_timezone())
        icalcomponent_add_component(calendar.get(),
                                    icalcomponent_new_clone(icaltimezone_get_component(zone.zone())));
    const icaltimetype utcStamp =
        icaltime_convert_to_zone(zone.toCalendar(stamp), icaltimezone_get_utc_timezone());
    CalendarExport written;
    for (int i = 0; i < alarms.count(); ++i) {
        if (const int year = decodeDate(alarms[i].alarmDate).year;
            year >= CalendarFirstYear && year <= CalendarLastYear) {
            icalcomponent_add_component(calendar.get(), event(zone, alarms[i], utcStamp));
            ++written.alarms;
        }
    }
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    written.text = text != nullptr ? text : "";
    icalmemory_free_buffer(text);
    return written;
}

} // namespace klaxora
