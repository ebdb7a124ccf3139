#include "store/alarm_records.h"

#include "store/text_encoding.h"

namespace klaxora {

TBaseAlarm::TBaseAlarm(TDateTime time, TDateTime date, std::string_view text, std::string_view wave,
                       AlarmId alarmId, TAlarmMode mode)
    : alarmTime(time), alarmDate(date), message(cutToCharacters(text, MessageCapacity)),
      waveFile(cutToCharacters(wave, WaveFileCapacity)), id(alarmId), alarmMode(mode)
{
}

TAlarm::TAlarm(TDateTime time, std::string_view text, std::string_view wave, AlarmId alarmId, TAlarmMode mode)
    : alarmTime(time), message(cutToCharacters(text, MessageCapacity)),
      waveFile(cutToCharacters(wave, WaveFileCapacity)), id(alarmId), alarmMode(mode)
{
}

} // namespace klaxora
