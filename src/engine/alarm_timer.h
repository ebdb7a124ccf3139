// The switch of the once-a-second alarm timer, and the bracket that keeps it off while a tick or a modal
// command runs. The window side owns the real timer and implements SetEnabled.
#pragma once

namespace klaxora {

class AlarmTimer {
public:
    AlarmTimer() = default;
    AlarmTimer(const AlarmTimer&) = delete;
    AlarmTimer& operator=(const AlarmTimer&) = delete;
    virtual ~AlarmTimer() = default;

    // The first activation of the main window: from now on the timer runs between ticks and commands.
    void switchOn()
    {
        if (offDepth_ == 0) {
            setEnabled(true);
        }
    }

protected:
    virtual void setEnabled(bool enabled) = 0;

private:
    friend class TimerOffBracket;
    int offDepth_ = 0;
};

// Switches the timer off for its lifetime and on again at its end, also when the bracketed code ends by an
// exception. Every tick and every command that opens a modal window holds one. Brackets nest (a command
// may run from the event processing inside a tick): only the end of the outermost switches the timer on,
// so a tick never starts inside another.
class TimerOffBracket {
public:
    explicit TimerOffBracket(AlarmTimer& timer) : timer_(timer)
    {
        if (timer_.offDepth_++ == 0) {
            timer_.setEnabled(false);
        }
    }
    ~TimerOffBracket()
    {
        if (--timer_.offDepth_ == 0) {
            timer_.setEnabled(true);
        }
    }
    TimerOffBracket(const TimerOffBracket&) = delete;
    TimerOffBracket& operator=(const TimerOffBracket&) = delete;

private:
    AlarmTimer& timer_;
};

} // namespace klaxora
