// An alarm store on a scratch folder with the real file system and a clock standing at BenchmarkNow().
#pragma once

#include "alarm_samples.h"
#include "scratch_folder.h"
#include "store/alarm_store.h"
#include "store/clock.h"
#include "store/file_system.h"
#include "store/format_settings.h"

#include <fstream>
#include <random>
#include <string>

namespace klaxora::bench {

inline FormatSettings usUserSettings()
{
    FormatSettings user;
    user.shortDatePattern = "m/d/yy";
    return user;
}

struct BenchStore {
    BenchStore() : formats(usUserSettings()), store(clock, formats, folder.path(), fileSystem) {}

    void putAlarmFile(const std::string& contents) const
    {
        std::ofstream(store.alarmFilePath(), std::ios::binary | std::ios::trunc) << contents;
    }

    // N alarms at random future dates and times, each with its row.
    void fillWithRandomAlarms(int count, std::mt19937& random)
    {
        for (int i = 0; i < count; ++i)
            addRandomAlarm(random);
    }
    void addRandomAlarm(std::mt19937& random)
    {
        const AlarmTexts alarm = randomFutureAlarm(random);
        store.addAlarm(alarm.time, alarm.date, "Water the plants", "/home/user/Sounds/ring.wav", 0);
    }

    ScratchFolder folder;
    FakeClock clock{benchmarkNow()};
    DateTimeFormats formats;
    PosixFileSystem fileSystem;
    AlarmStore store;
};

} // namespace klaxora::bench
