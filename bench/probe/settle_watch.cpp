#include "settle_watch.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace klaxora::probe {

namespace {

// The first number of a schedstat file: the time the thread has run, in ns.
std::optional<double> runNanoseconds(const std::string& path)
{
    const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) {
        return std::nullopt;
    }
    char text[128];
    const ssize_t length = read(file, text, sizeof text - 1);
    close(file);
    if (length <= 0) {
        return std::nullopt;
    }
    text[length] = '\0';
    return std::strtod(text, nullptr);
}

} // namespace

SettleWatch::SettleWatch(pid_t pid, Clock::duration quiet, Clock::duration period)
    : pid_(pid), quiet_(quiet), period_(period), lastIncrease_(Clock::now()), lastSample_(lastIncrease_),
      sampler_([this] { sample(); })
{
}

SettleWatch::~SettleWatch()
{
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    sampler_.join();
}

std::optional<double> SettleWatch::cpuNanoseconds()
{
    const std::string tasks = "/proc/" + std::to_string(pid_) + "/task";
    DIR* folder = opendir(tasks.c_str());
    if (folder == nullptr) {
        return std::nullopt;
    }
    while (const dirent* task = readdir(folder)) {
        if (task->d_name[0] == '.') {
            continue;
        }
        // A thread that ended since the folder was listed keeps its last reading.
        if (const auto ran = runNanoseconds(tasks + "/" + task->d_name + "/schedstat")) {
            threadNanoseconds_[static_cast<pid_t>(std::atol(task->d_name))] = *ran;
        }
    }
    closedir(folder);
    double sum = 0;
    for (const auto& [thread, ran] : threadNanoseconds_) {
        sum += ran;
    }
    return sum;
}

void SettleWatch::sample()
{
    for (Clock::time_point next = Clock::now();; next += period_) {
        std::this_thread::sleep_until(next);
        const std::optional<double> cpu = cpuNanoseconds();
        const Clock::time_point now = Clock::now();
        {
            const std::lock_guard lock(mutex_);
            if (stop_) {
                return;
            }
            if (!cpu) {
                gone_ = true;
            } else if (*cpu > lastNanoseconds_) {
                lastNanoseconds_ = *cpu;
                lastIncrease_ = now;
            }
            lastSample_ = now;
        }
        changed_.notify_all();
        if (!cpu) {
            return;
        }
    }
}

std::optional<SettleWatch::Settled> SettleWatch::waitUntilSettled(Clock::time_point notBefore,
                                                                  Clock::time_point deadline)
{
    std::unique_lock lock(mutex_);
    const bool settled = changed_.wait_until(lock, deadline, [&] {
        return gone_ || (lastSample_ - lastIncrease_ >= quiet_ && lastSample_ - notBefore >= quiet_);
    });
    std::optional<Settled> result;
    if (settled && !gone_) {
        result = Settled{std::max(lastIncrease_, notBefore), lastNanoseconds_ / 1e6};
    }
    stop_ = true;
    return result;
}

} // namespace klaxora::probe
