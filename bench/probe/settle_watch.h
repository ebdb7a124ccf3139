// Watches a process's CPU time from its start until it goes quiet: the "settled start", which counts the
// work a program defers until after its window is on the screen as well as the work before.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

namespace klaxora::probe {

class SettleWatch {
public:
    using Clock = std::chrono::steady_clock;

    struct Settled {
        // The last sample that saw the CPU time grow before the quiet period, but not before the
        // moment given to WaitUntilSettled.
        Clock::time_point at;
        // CPU time of all threads by then, the ended ones included.
        double cpuMs = 0;
    };

    // Starts sampling the CPU time of all threads of `pid` every `period`.
    SettleWatch(pid_t pid, Clock::duration quiet, Clock::duration period);
    ~SettleWatch();
    SettleWatch(const SettleWatch&) = delete;
    SettleWatch& operator=(const SettleWatch&) = delete;

    // Waits until no thread has used CPU for the quiet period and that period ends after `notBefore`.
    // Nothing when the deadline passes first or the process ends. The sampling stops either way.
    std::optional<Settled> waitUntilSettled(Clock::time_point notBefore, Clock::time_point deadline);

private:
    void sample();
    // The CPU time of all threads in ns, each thread's last reading kept after it ends.
    std::optional<double> cpuNanoseconds();

    const pid_t pid_;
    const Clock::duration quiet_;
    const Clock::duration period_;
    std::map<pid_t, double> threadNanoseconds_;

    std::mutex mutex_;
    std::condition_variable changed_;
    bool stop_ = false;
    bool gone_ = false;
    double lastNanoseconds_ = -1;
    Clock::time_point lastIncrease_;
    Clock::time_point lastSample_;
    std::thread sampler_;
};

} // namespace klaxora::probe
