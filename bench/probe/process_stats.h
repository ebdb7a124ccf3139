// What /proc tells about a running process: its proportional memory, and its CPU time and voluntary
// context switches (the times it went to sleep and was woken again), summed over all its threads.
#pragma once

#include <sys/types.h>

#include <map>
#include <optional>

namespace klaxora::probe {

struct ProcessSample {
    // utime + stime of all threads, the ones that have ended included.
    double cpuSeconds = 0;
    // Of each thread alive at the moment of the sample, by thread id.
    std::map<pid_t, long long> voluntarySwitches;
};

// The voluntary context switches between two samples: of the threads alive at the later one, counted
// from the earlier one or from their start. A thread that ended in between takes its last switches along.
long long switchesBetween(const ProcessSample& before, const ProcessSample& after);

// From /proc/PID/smaps_rollup, in KiB.
struct MemorySample {
    // Shared pages count in part, divided by the number of processes that map them.
    long long pssKib = 0;
    long long rssKib = 0;
    // Pages of this process alone: what it would give back if it ended.
    long long ussKib = 0;
};

// Nothing when the process is gone.
std::optional<MemorySample> readMemory(pid_t pid);
std::optional<ProcessSample> sampleProcess(pid_t pid);
// The time the live threads have run, from /proc/PID/task/*/schedstat to the nanosecond: what the
// start of a program cost in CPU, less dependent on other work on the machine than the wall time.
std::optional<double> runTimeMs(pid_t pid);

} // namespace klaxora::probe
