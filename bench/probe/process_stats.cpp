#include "process_stats.h"

#include <dirent.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

namespace klaxora::probe {

namespace {

std::string procPath(pid_t pid, const std::string& rest)
{
    return "/proc/" + std::to_string(pid) + "/" + rest;
}

std::string readFile(const std::string& path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The number after "key" on the line that starts with it, as in "Pss:   1234 kB".
std::optional<long long> fieldOf(const std::string& text, const std::string& key)
{
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.compare(0, key.size(), key) == 0) {
            return std::stoll(line.substr(key.size()));
        }
    }
    return std::nullopt;
}

std::optional<double> cpuSecondsOf(pid_t pid)
{
    std::ifstream file(procPath(pid, "stat"));
    std::string stat;
    if (!std::getline(file, stat)) {
        return std::nullopt;
    }
    // The command name in parentheses may hold blanks; the fields after it are plain numbers.
    const std::size_t afterName = stat.rfind(')');
    if (afterName == std::string::npos) {
        return std::nullopt;
    }
    std::istringstream fields(stat.substr(afterName + 2));
    // Fields 3 to 13 come before utime (14) and stime (15).
    std::string skipped;
    for (int field = 3; field <= 13; ++field) {
        fields >> skipped;
    }
    long long utime = 0;
    long long stime = 0;
    if (!(fields >> utime >> stime)) {
        return std::nullopt;
    }
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

} // namespace

std::optional<MemorySample> readMemory(pid_t pid)
{
    // Read at once, so that the figures belong together.
    const std::string rollup = readFile(procPath(pid, "smaps_rollup"));
    const auto pss = fieldOf(rollup, "Pss:");
    const auto rss = fieldOf(rollup, "Rss:");
    const auto privateClean = fieldOf(rollup, "Private_Clean:");
    const auto privateDirty = fieldOf(rollup, "Private_Dirty:");
    if (!pss || !rss || !privateClean || !privateDirty) {
        return std::nullopt;
    }
    return MemorySample{*pss, *rss, *privateClean + *privateDirty};
}

// Calls `visit` with the id and the folder in /proc of each thread; false when the process is gone.
template <typename Visit>
bool forEachThread(pid_t pid, Visit visit)
{
    DIR* tasks = opendir(procPath(pid, "task").c_str());
    if (tasks == nullptr) {
        return false;
    }
    while (const dirent* task = readdir(tasks)) {
        if (task->d_name[0] != '.') {
            visit(static_cast<pid_t>(std::stol(task->d_name)),
                  procPath(pid, "task/" + std::string(task->d_name) + "/"));
        }
    }
    closedir(tasks);
    return true;
}

std::optional<ProcessSample> sampleProcess(pid_t pid)
{
    const std::optional<double> cpu = cpuSecondsOf(pid);
    if (!cpu) {
        return std::nullopt;
    }
    ProcessSample sample;
    sample.cpuSeconds = *cpu;
    const bool alive = forEachThread(pid, [&sample](pid_t thread, const std::string& folder) {
        // A thread that ended since the folder was listed has no file any more.
        if (const auto switches = fieldOf(readFile(folder + "status"), "voluntary_ctxt_switches:")) {
            sample.voluntarySwitches[thread] = *switches;
        }
    });
    return alive ? std::optional(sample) : std::nullopt;
}

long long switchesBetween(const ProcessSample& before, const ProcessSample& after)
{
    long long switches = 0;
    for (const auto& [thread, count] : after.voluntarySwitches) {
        const auto earlier = before.voluntarySwitches.find(thread);
        switches += count - (earlier == before.voluntarySwitches.end() ? 0 : earlier->second);
    }
    return switches;
}

std::optional<double> runTimeMs(pid_t pid)
{
    double nanoseconds = 0;
    const bool alive = forEachThread(pid, [&nanoseconds](pid_t, const std::string& folder) {
        std::istringstream schedstat(readFile(folder + "schedstat"));
        double running = 0;
        if (schedstat >> running) {
            nanoseconds += running;
        }
    });
    return alive ? std::optional(nanoseconds / 1e6) : std::nullopt;
}

} // namespace klaxora::probe
