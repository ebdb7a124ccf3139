#include "store/alarm_records.h"

#include "store/text_encoding.h"

namespace klaxora {

TBaseAlarm::TBaseAlarm(TDateTime alarmTime, TDateTime alarmDate, std::string_view message,
                       std::string_view waveFile, AlarmId id, TAlarmMode alarmMode)
    : AlarmTime(alarmTime), AlarmDate(alarmDate), Message(CutToCharacters(message, MessageCapacity)),
      WaveFile(CutToCharacters(waveFile, WaveFileCapacity)), Id(id), AlarmMode(alarmMode)
{
}

TAlarm::TAlarm(TDateTime alarmTime, std::string_view message, std::string_view waveFile, AlarmId id,
               TAlarmMode alarmMode)
    : AlarmTime(alarmTime), Message(CutToCharacters(message, MessageCapacity)),
      WaveFile(CutToCharacters(waveFile, WaveFileCapacity)), Id(id), AlarmMode(alarmMode)
{
}

} // namespace klaxora
