// The stored alarms of a store as comparable values, sorted, for checks that two stores hold the same
// alarms whatever their order and ids.
#pragma once

#include "store/alarm_store.h"

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace klaxora::test {

using StoredRecord = std::tuple<std::string, double, double, std::string, std::string, int, int>;

inline std::vector<StoredRecord> storedRecords(const AlarmStore& store)
{
    std::vector<StoredRecord> all;
    for (int i = 0; i < store.baseAlarmList().count(); ++i) {
        const StoredAlarm& a = store.baseAlarmList()[i];
        all.emplace_back(a.uid, a.alarmDate, a.alarmTime, a.message, a.waveFile, a.alarmMode,
                         a.repeatDays.bits());
    }
    std::sort(all.begin(), all.end());
    return all;
}

} // namespace klaxora::test
