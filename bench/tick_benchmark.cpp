// One idle tick with N alarms still to come today: nothing is due, so nothing may be announced or written.
#include "bench_store.h"
#include "engine/alarm_tick.h"
#include "engine/alarm_timer.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <stdexcept>

namespace klaxora::bench {
namespace {

class IdleTimer final : public AlarmTimer {
protected:
    void setEnabled(bool) override {}
};

class IdleHost final : public AlarmTickHost {
public:
    int showAlarmMessage(const std::string&) override { throw std::logic_error("nothing is due"); }
    bool showMissedAlarms(const std::vector<std::string>&) override
    {
        throw std::logic_error("nothing passed");
    }
    void playSoundNow(const std::string&) override { throw std::logic_error("nothing is due"); }
    void processPendingEvents() override {}
    void showClockText(const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
    void repaintAlarmList() override {}
    void showError(const std::string& text) override { throw std::logic_error(text); }
};

void BM_TickIdle(benchmark::State& state)
{
    BenchStore bench;
    std::mt19937 random(3);
    // Times from 12:01pm (the clock says noon) to 11:59pm, today.
    for (int i = 0; i < state.range(0); ++i) {
        char time[16];
        const int minuteOfAfternoon = 1 + static_cast<int>(random() % 719);
        const int hour = minuteOfAfternoon / 60;
        std::snprintf(time, sizeof time, "%02d:%02dpm", hour == 0 ? 12 : hour, minuteOfAfternoon % 60);
        bench.store.addAlarm(time, "06/10/2026", "Water the plants", "/home/user/Sounds/ring.wav", 0);
    }
    // As at start-up: the tick reloads when the date of the last load is not today.
    bench.store.writeToDisk();
    bench.store.loadFromDisk();
    IdleTimer timer;
    IdleHost host;
    AlarmTick tick(bench.store, bench.clock, timer, host);
    for (auto _ : state)
        tick.run();
    if (bench.store.todayList().count() != state.range(0))
        state.SkipWithError("an alarm was announced");
}
BENCHMARK(BM_TickIdle)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace klaxora::bench
