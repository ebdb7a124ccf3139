// Everything the three lists of a store hold, one text per record, for comparing two stores. Free of any
// test framework, so that the fuzz targets use it too.
#pragma once

#include "store/alarm_store.h"

#include <sstream>
#include <string>
#include <vector>

namespace klaxora::testing {

inline std::vector<std::string> Describe(const AlarmStore& store)
{
    std::vector<std::string> records;
    const auto add = [&records](const auto&... parts) {
        std::ostringstream text;
        text.precision(17);
        ((text << parts << '|'), ...);
        records.push_back(text.str());
    };
    for (int i = 0; i < store.BaseAlarmList().Count(); ++i) {
        const TBaseAlarm& a = store.BaseAlarmList()[i];
        add("base", a.Id, a.AlarmTime, a.AlarmDate, a.Message, a.WaveFile, int{a.AlarmMode});
    }
    for (int i = 0; i < store.TodayList().Count(); ++i) {
        const TAlarm& a = store.TodayList()[i];
        add("today", a.Id, a.AlarmTime, a.Message, a.WaveFile, int{a.AlarmMode});
    }
    for (int i = 0; i < store.Rows().Count(); ++i) {
        const AlarmRow& r = store.Rows()[i];
        add("row", r.Text, r.Object.Id, r.Object.AlarmTime, r.Object.AlarmDate, r.Object.FutureDate);
    }
    return records;
}

} // namespace klaxora::testing
