#include "store/alarm_records.h"

#include "store/text_encoding.h"

namespace klaxora {

StoredAlarm::StoredAlarm(DateTime time, DateTime date, std::string_view text, std::string_view wave,
                         AlarmId alarmId, AlarmMode mode, RepeatDays days, std::string_view alarmUid)
    : alarmTime(time), alarmDate(date), message(cutToCharacters(text, MessageCapacity)),
      waveFile(cutToCharacters(wave, WaveFileCapacity)), id(alarmId), alarmMode(mode), repeatDays(days),
      uid(alarmUid)
{
}

PendingAlarm::PendingAlarm(DateTime time, std::string_view text, std::string_view wave, AlarmId alarmId,
                           AlarmMode mode)
    : alarmTime(time), message(cutToCharacters(text, MessageCapacity)),
      waveFile(cutToCharacters(wave, WaveFileCapacity)), id(alarmId), alarmMode(mode)
{
}

} // namespace klaxora
