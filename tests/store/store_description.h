// Everything the three lists of a store hold, one text per record, for comparing two stores. Free of any
// test framework, so that the fuzz targets use it too.
#pragma once

#include "store/alarm_store.h"

#include <sstream>
#include <string>
#include <vector>

namespace klaxora::testing {

inline std::vector<std::string> describe(const AlarmStore& store)
{
    std::vector<std::string> records;
    const auto add = [&records](const auto&... parts) {
        std::ostringstream text;
        text.precision(17);
        ((text << parts << '|'), ...);
        records.push_back(text.str());
    };
    for (int i = 0; i < store.baseAlarmList().count(); ++i) {
        const StoredAlarm& a = store.baseAlarmList()[i];
        add("base", a.id, a.alarmTime, a.alarmDate, a.message, a.waveFile, int{a.alarmMode},
            a.repeatDays.field());
    }
    for (int i = 0; i < store.todayList().count(); ++i) {
        const PendingAlarm& a = store.todayList()[i];
        add("today", a.id, a.alarmTime, a.message, a.waveFile, int{a.alarmMode});
    }
    for (int i = 0; i < store.rows().count(); ++i) {
        const AlarmRow& r = store.rows()[i];
        add("row", r.text, r.object.id, r.object.alarmTime, r.object.alarmDate, r.object.futureDate);
    }
    return records;
}

} // namespace klaxora::testing
