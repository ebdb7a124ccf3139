#include "sync/icalendar_triggers.h"

#include <memory>

namespace klaxora {

namespace {

// Occurrences looked at for one rule: a bound for rules that come by the second or never reach now.
constexpr int OccurrenceBound = 20000;

struct IteratorFree {
    void operator()(icalrecur_iterator* iterator) const { icalrecur_iterator_free(iterator); }
};

// A time of day as a date-time, so that a duration can be added to it.
icaltimetype withTime(icaltimetype time)
{
    if (time.is_date) {
        time.is_date = 0;
        time.hour = time.minute = time.second = 0;
    }
    return time;
}

// The occurrences of `start` by `rule` (or `start` alone), each moved by `offset`.
ReminderTriggers ruleTriggers(icaltimetype start, icaldurationtype offset, const icalrecurrencetype* rule,
                              const CalendarZone& zone, DateTime now)
{
    ReminderTriggers triggers;
    if (rule == nullptr) {
        const DateTime at = zone.toLocal(icaltime_add(start, offset));
        (at >= now ? triggers.next : triggers.lastPast) = at;
        return triggers;
    }
    std::unique_ptr<icalrecur_iterator, IteratorFree> iterator(icalrecur_iterator_new(*rule, start));
    if (!iterator)
        return triggers;
    if (rule->count == 0) {
        // Straight to a day before now, less the offset: a rule that began years ago is not walked.
        icaltimetype from = zone.toCalendar(now - 1);
        if (start.zone != nullptr)
            from = icaltime_convert_to_zone(from, const_cast<icaltimezone*>(start.zone));
        icaldurationtype back = offset;
        back.is_neg = !back.is_neg;
        from = icaltime_add(from, back);
        if (icaltime_compare(from, start) > 0)
            icalrecur_iterator_set_start(iterator.get(), from);
    }
    for (int i = 0; i < OccurrenceBound; ++i) {
        const icaltimetype occurrence = icalrecur_iterator_next(iterator.get());
        if (icaltime_is_null_time(occurrence))
            break;
        const DateTime at = zone.toLocal(icaltime_add(withTime(occurrence), offset));
        if (!triggers.next && at < now) {
            triggers.lastPast = at;
            continue;
        }
        if (!triggers.next)
            triggers.next = at;
        else if (at >= *triggers.next + 7)
            break;
        triggers.weekDays.add(dayOfWeek(at));
    }
    return triggers;
}

} // namespace

ReminderTriggers reminderTriggers(icalcomponent* item, icalcomponent* valarm, const CalendarZone& zone,
                                  DateTime now)
{
    icalproperty* triggerProperty = icalcomponent_get_first_property(valarm, ICAL_TRIGGER_PROPERTY);
    if (triggerProperty == nullptr)
        return {};
    const icaltriggertype trigger = icalproperty_get_trigger(triggerProperty);
    ReminderTriggers triggers;
    if (!icaltime_is_null_time(trigger.time)) {
        triggers = ruleTriggers(trigger.time, icaldurationtype_null_duration(), nullptr, zone, now);
    } else {
        const bool todo = icalcomponent_isa(item) == ICAL_VTODO_COMPONENT;
        icaltimetype start = icalcomponent_get_dtstart(item);
        if (todo && icaltime_is_null_time(start))
            start = icalcomponent_get_due(item);
        if (icaltime_is_null_time(start))
            return {};
        icaldurationtype offset = trigger.duration;
        icalparameter* related = icalproperty_get_first_parameter(triggerProperty, ICAL_RELATED_PARAMETER);
        if (related != nullptr && icalparameter_get_related(related) == ICAL_RELATED_END) {
            // The end less the start, so that each occurrence's own end is meant.
            const icaltimetype end = todo ? icalcomponent_get_due(item) : icalcomponent_get_dtend(item);
            if (!icaltime_is_null_time(end))
                offset = icaldurationtype_from_int(
                    icaldurationtype_as_int(offset) +
                    icaldurationtype_as_int(icaltime_subtract(withTime(end), withTime(start))));
        }
        icalproperty* ruleProperty = icalcomponent_get_first_property(item, ICAL_RRULE_PROPERTY);
        const icalrecurrencetype rule =
            ruleProperty != nullptr ? icalproperty_get_rrule(ruleProperty) : icalrecurrencetype{};
        triggers =
            ruleTriggers(withTime(start), offset, ruleProperty != nullptr ? &rule : nullptr, zone, now);
    }
    if (triggers.lastPast) {
        for (icalproperty* p = icalcomponent_get_first_property(valarm, ICAL_ACKNOWLEDGED_PROPERTY);
             p != nullptr; p = icalcomponent_get_next_property(valarm, ICAL_ACKNOWLEDGED_PROPERTY)) {
            if (zone.toLocal(icalproperty_get_acknowledged(p)) >= *triggers.lastPast)
                triggers.acknowledged = true;
        }
    }
    return triggers;
}

} // namespace klaxora
