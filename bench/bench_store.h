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

inline FormatSettings UsUserSettings()
{
    FormatSettings user;
    user.ShortDatePattern = "m/d/yy";
    return user;
}

struct BenchStore {
    BenchStore() : formats(UsUserSettings()), store(clock, formats, folder.Path(), fileSystem) {}

    void PutAlarmFile(const std::string& contents) const
    {
        std::ofstream(store.AlarmFilePath(), std::ios::binary | std::ios::trunc) << contents;
    }

    // N alarms at random future dates and times, each with its row.
    void FillWithRandomAlarms(int count, std::mt19937& random)
    {
        for (int i = 0; i < count; ++i)
            AddRandomAlarm(random);
    }
    void AddRandomAlarm(std::mt19937& random)
    {
        const AlarmTexts alarm = RandomFutureAlarm(random);
        store.AddAlarm(alarm.Time, alarm.Date, "Water the plants", "/home/user/Sounds/ring.wav", 0);
    }

    ScratchFolder folder;
    FakeClock clock{BenchmarkNow()};
    DateTimeFormats formats;
    PosixFileSystem fileSystem;
    AlarmStore store;
};

} // namespace klaxora::bench
