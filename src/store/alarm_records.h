// The three plain records of one alarm: its stored definition, its pending occurrence of today and the
// object behind its list row. They share field values and the id but are separate objects.
#pragma once

#include "store/date_time.h"
#include "store/repeat_days.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace klaxora {

using AlarmId = std::int32_t;

// What firing does.
using AlarmMode = std::uint8_t;
constexpr AlarmMode amMessageAndSound = 0;
constexpr AlarmMode amMessageOnly = 1;
constexpr AlarmMode amSoundOnly = 2;

// Capacities in characters (code points); longer text is cut to its first characters.
constexpr std::size_t MessageCapacity = 100;
constexpr std::size_t WaveFileCapacity = 255;

// One stored alarm definition.
struct StoredAlarm {
    StoredAlarm(DateTime alarmTime, DateTime alarmDate, std::string_view message, std::string_view waveFile,
                AlarmId id, AlarmMode alarmMode, RepeatDays repeatDays = {}, std::string_view uid = {});

    DateTime alarmTime; // time of day, whole part 0
    DateTime alarmDate; // date, fraction 0; of a repeating alarm, its next occurrence not yet answered
    std::string message;
    std::string waveFile;
    AlarmId id;
    AlarmMode alarmMode;
    RepeatDays repeatDays; // none: it rings once
    std::string uid;       // the identity that edits, snoozes and moves keep (store/alarm_uid.h)
};

// One occurrence still to fire today; it has no date because it only exists for today.
struct PendingAlarm {
    PendingAlarm(DateTime alarmTime, std::string_view message, std::string_view waveFile, AlarmId id,
                 AlarmMode alarmMode);

    DateTime alarmTime;
    std::string message;
    std::string waveFile;
    AlarmId id;
    AlarmMode alarmMode;
};

// The object attached to one list row.
struct ListedAlarm {
    DateTime alarmTime;
    DateTime alarmDate;
    AlarmId id;
    bool futureDate; // the date was after today when the row was made; picks the row's icon
    // Its time had passed when the row was made and it was never answered (the program was not running
    // then): it waits in the list and the file to be told late.
    bool missed = false;
    RepeatDays repeatDays;
};

// One list row: its text and its object.
struct AlarmRow {
    std::string text;
    ListedAlarm object;
};

} // namespace klaxora
