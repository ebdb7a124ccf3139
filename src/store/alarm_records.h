// The three plain records of one alarm: its stored definition, its pending occurrence of today and the
// object behind its list row. They share field values and the id but are separate objects.
#pragma once

#include "store/date_time.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace klaxora {

using AlarmId = std::int32_t;

// What firing does.
using TAlarmMode = std::uint8_t;
constexpr TAlarmMode amMessageAndSound = 0;
constexpr TAlarmMode amMessageOnly = 1;
constexpr TAlarmMode amSoundOnly = 2;

// Capacities in characters (code points); longer text is cut to its first characters.
constexpr std::size_t MessageCapacity = 100;
constexpr std::size_t WaveFileCapacity = 255;

// One stored alarm definition.
struct TBaseAlarm {
    TBaseAlarm(TDateTime alarmTime, TDateTime alarmDate, std::string_view message, std::string_view waveFile,
               AlarmId id, TAlarmMode alarmMode);

    TDateTime AlarmTime; // time of day, whole part 0
    TDateTime AlarmDate; // date, fraction 0
    std::string Message;
    std::string WaveFile;
    AlarmId Id;
    TAlarmMode AlarmMode;
};

// One occurrence still to fire today; it has no date because it only exists for today.
struct TAlarm {
    TAlarm(TDateTime alarmTime, std::string_view message, std::string_view waveFile, AlarmId id,
           TAlarmMode alarmMode);

    TDateTime AlarmTime;
    std::string Message;
    std::string WaveFile;
    AlarmId Id;
    TAlarmMode AlarmMode;
};

// The object attached to one list row.
struct TListBoxObject {
    TDateTime AlarmTime;
    TDateTime AlarmDate;
    AlarmId Id;
    bool FutureDate; // the date was after today when the row was made; picks the row's icon
};

// One list row: its text and its object.
struct AlarmRow {
    std::string Text;
    TListBoxObject Object;
};

} // namespace klaxora
