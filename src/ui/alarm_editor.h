// The alarm editor as the alarm commands use it: filled, shown modally, then only its result is looked
// at, because on Set Alarm the editor stores the alarm itself. AlarmEditorDialog implements it; tests put
// a fake in its place.
#pragma once

#include "store/alarm_records.h"
#include "store/date_time.h"
#include "store/repeat_days.h"
#include "ui/modal_result.h"

#include <string>

class QWidget;

namespace klaxora {

class AlarmEditor {
public:
    virtual ~AlarmEditor() = default;

    // All texts are UTF-8. The time text is in the user's short time format.
    virtual void setMessageText(const std::string& message) = 0;
    virtual void setTimeText(const std::string& timeText) = 0;
    virtual void setCalendarDate(DateTime date) = 0;
    virtual void setWaveFile(const std::string& waveFile) = 0;
    virtual void setAlarmMode(AlarmMode mode) = 0;
    // The days the alarm repeats on; none (the default) is an alarm that rings once.
    virtual void setRepeatDays(RepeatDays days) = 0;
    // The identity the stored alarm keeps: an edited alarm's own; none (the default) gives a new one.
    virtual void setUid(const std::string& uid) = 0;

    virtual void centerOver(const QWidget* mainWindow) = 0;
    // ModalResult::Ok after Set Alarm has stored the alarm, ModalResult::Cancel otherwise.
    virtual int showModal() = 0;
};

} // namespace klaxora
