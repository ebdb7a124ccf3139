// klaxora_desktop_probe: starts a program on $DISPLAY and measures it as bench/desktop.sh reports it.
//
//   klaxora_desktop_probe [--memory-after S] [--idle-from S --idle S] [--log FILE] -- PROGRAM [ARGS...]
//
// Prints one line of key=value pairs: the time from exec to the first mapped top-level window
// (map_ms) and the CPU time the program had used by then (map_cpu_ms); the settled start (settle_ms) and
// the CPU time by then (settle_cpu_ms); with --memory-after, the proportional
// set size S seconds after the start (pss_kib, with rss_kib and the private part uss_kib beside it); with
// --idle, the CPU time (cpu_s) and voluntary context switches of all threads (wakeups) over that many seconds
// from --idle-from seconds after the start, and the number of threads then. The program is ended at the end.
//
// The settled start is the moment the program went quiet after its start: the last time its CPU time
// (of all threads, sampled every 2 ms from /proc/PID/task/*/schedstat) grew before 500 ms in which it did
// not, and not before the window was mapped. So the work a program puts off until its window is on the
// screen counts too, while a timer that ticks once a second does not keep it from settling. It is
// missing from the line when the program has not gone quiet 9 s after the start.
#include "map_watch.h"
#include "process_stats.h"
#include "settle_watch.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using namespace klaxora::probe;
using Clock = MapWatch::Clock;

struct Options {
    double memoryAfterSeconds = 0;
    double idleFromSeconds = 10;
    double idleSeconds = 0;
    double mapTimeoutSeconds = 30;
    std::string logFile = "/dev/null";
    std::vector<char*> command; // null-terminated
};

[[noreturn]] void usage()
{
    std::fputs("usage: klaxora_desktop_probe [--memory-after S] [--idle-from S --idle S] [--log FILE] -- "
               "PROGRAM [ARGS...]\n",
               stderr);
    std::exit(2);
}

Options parseOptions(int argc, char** argv)
{
    Options options;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const std::string name = argv[i];
        if (i + 1 >= argc) {
            usage();
        }
        const char* value = argv[++i];
        if (name == "--memory-after") {
            options.memoryAfterSeconds = std::atof(value);
        } else if (name == "--idle-from") {
            options.idleFromSeconds = std::atof(value);
        } else if (name == "--idle") {
            options.idleSeconds = std::atof(value);
        } else if (name == "--log") {
            options.logFile = value;
        } else {
            usage();
        }
    }
    if (i + 1 >= argc) {
        usage();
    }
    options.command.assign(argv + i + 1, argv + argc);
    options.command.push_back(nullptr);
    return options;
}

// Before the memory is read (10 s after the start in bench/desktop.sh).
constexpr double SettleLimitSeconds = 9;

Clock::time_point after(Clock::time_point start, double seconds)
{
    return start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

// The program under measurement, ended with the probe when the probe is interrupted.
volatile sig_atomic_t program = 0;

void endProgramAndExit(int)
{
    if (program > 0) {
        kill(program, SIGKILL);
    }
    _exit(1);
}

bool stillRunning(pid_t pid)
{
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == 0;
}

void end(pid_t pid)
{
    kill(pid, SIGTERM);
    const Clock::time_point giveUp = after(Clock::now(), 3);
    while (stillRunning(pid)) {
        if (Clock::now() > giveUp) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

[[noreturn]] void fail(pid_t pid, const char* what)
{
    std::fprintf(stderr, "klaxora_desktop_probe: %s\n", what);
    if (stillRunning(pid)) {
        end(pid);
    }
    std::exit(1);
}

pid_t startProgram(const Options& options)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, options.logFile.c_str(),
                                     O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    pid_t pid = 0;
    const int error =
        posix_spawnp(&pid, options.command[0], &actions, nullptr, options.command.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        std::fprintf(stderr, "klaxora_desktop_probe: cannot start %s: %s\n", options.command[0],
                     std::strerror(error));
        std::exit(1);
    }
    return pid;
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = parseOptions(argc, argv);
    signal(SIGTERM, endProgramAndExit);
    signal(SIGINT, endProgramAndExit);
    signal(SIGHUP, endProgramAndExit);
    try {
        MapWatch watch;
        const Clock::time_point start = Clock::now();
        const pid_t pid = startProgram(options);
        program = pid;
        SettleWatch settle(pid, std::chrono::milliseconds(500), std::chrono::milliseconds(2));
        const auto mapped = watch.waitForMap(pid, after(start, options.mapTimeoutSeconds),
                                             [pid] { return stillRunning(pid); });
        if (!mapped) {
            fail(pid, "no window was mapped");
        }
        const auto runTime = runTimeMs(pid);
        std::printf("map_ms=%.1f map_cpu_ms=%.1f",
                    std::chrono::duration<double, std::milli>(*mapped - start).count(), runTime.value_or(0));
        if (const auto settled = settle.waitUntilSettled(*mapped, after(start, SettleLimitSeconds))) {
            std::printf(" settle_ms=%.1f settle_cpu_ms=%.1f",
                        std::chrono::duration<double, std::milli>(settled->at - start).count(),
                        settled->cpuMs);
        }

        if (options.memoryAfterSeconds > 0) {
            std::this_thread::sleep_until(after(start, options.memoryAfterSeconds));
            const auto memory = readMemory(pid);
            if (!memory) {
                fail(pid, "the program ended before its memory was read");
            }
            std::printf(" pss_kib=%lld rss_kib=%lld uss_kib=%lld", memory->pssKib, memory->rssKib,
                        memory->ussKib);
        }
        if (options.idleSeconds > 0) {
            std::this_thread::sleep_until(after(start, options.idleFromSeconds));
            const auto before = sampleProcess(pid);
            std::this_thread::sleep_until(after(start, options.idleFromSeconds + options.idleSeconds));
            const auto after = sampleProcess(pid);
            if (!before || !after) {
                fail(pid, "the program ended while idling");
            }
            std::printf(" cpu_s=%.2f wakeups=%lld threads=%zu", after->cpuSeconds - before->cpuSeconds,
                        switchesBetween(*before, *after), after->voluntarySwitches.size());
        }
        std::printf("\n");
        end(pid);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "klaxora_desktop_probe: %s\n", error.what());
        return 1;
    }
}
