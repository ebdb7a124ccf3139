#include "sync/icalendar_store.h"

#include "store/date_time_text.h"

#include <exception>

namespace klaxora {

CalendarImport addCalendarAlarms(AlarmStore& store, const CalendarReading& reading,
                                 const std::string& newAlarmWaveFile)
{
    const FormatSettings& storage = store.formats().storage();
    CalendarImport import;
    for (const CalendarAlarm& alarm : reading.alarms) {
        if (store.findBaseAlarmForUid(alarm.uid) >= 0) {
            ++import.alreadyHere;
            continue;
        }
        try {
            store.addAlarm(timeToStr(alarm.time, storage), formatDateTime("mm/dd/yyyy", alarm.date, storage),
                           alarm.message, alarm.waveFile.value_or(newAlarmWaveFile), alarm.mode,
                           alarm.repeatDays, alarm.uid);
            ++import.added;
        } catch (const std::exception&) {
            ++import.refused;
        }
    }
    return import;
}

} // namespace klaxora
