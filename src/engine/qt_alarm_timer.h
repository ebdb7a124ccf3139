// The alarm timer on a QTimer, 1000 ms, off until the main window's first activation.
#pragma once

#include "engine/alarm_timer.h"

#include <QTimer>

namespace klaxora {

class QtAlarmTimer final : public AlarmTimer {
public:
    QtAlarmTimer() { timer_.setInterval(1000); }

    QTimer& timer() { return timer_; }
    bool isActive() const { return timer_.isActive(); }

protected:
    void setEnabled(bool enabled) override
    {
        if (enabled) {
            timer_.start();
        } else {
            timer_.stop();
        }
    }

private:
    QTimer timer_;
};

} // namespace klaxora
