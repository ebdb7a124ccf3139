// The alarm store's operations on long lists: load with rewrite, write, add and delete.
#include "bench_store.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <random>

namespace klaxora::bench {
namespace {

void listSizes(benchmark::internal::Benchmark* benchmark)
{
    for (const int n : {100, 1000, 10000, 100000})
        benchmark->Arg(n);
}

double secondsOf(std::chrono::steady_clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

void BM_LoadAndRewrite(benchmark::State& state)
{
    BenchStore bench;
    const std::string file = realisticAlarmFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        bench.putAlarmFile(file); // the load rewrote it into its tidy form
        state.ResumeTiming();
        bench.store.loadFromDisk();
    }
    state.counters["alarms"] = bench.store.baseAlarmList().count();
    state.counters["rows"] = bench.store.rows().count();
}
BENCHMARK(BM_LoadAndRewrite)->Apply(listSizes)->Unit(benchmark::kMillisecond);

void BM_WriteToDisk(benchmark::State& state)
{
    BenchStore bench;
    bench.putAlarmFile(realisticAlarmFile(static_cast<int>(state.range(0))));
    bench.store.loadFromDisk();
    for (auto _ : state)
        bench.store.writeToDisk();
    state.counters["alarms"] = bench.store.baseAlarmList().count();
}
BENCHMARK(BM_WriteToDisk)->Apply(listSizes)->Unit(benchmark::kMillisecond);

// Only the AddAlarm is timed; a random row is deleted afterwards so the store keeps N alarms.
void BM_AddAlarm(benchmark::State& state)
{
    BenchStore bench;
    std::mt19937 random(7);
    bench.fillWithRandomAlarms(static_cast<int>(state.range(0)), random);
    for (auto _ : state) {
        const AlarmTexts alarm = randomFutureAlarm(random);
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(bench.store.addAlarm(alarm.time, alarm.date, "Water the plants",
                                                      "/home/user/Sounds/ring.wav", 0));
        state.SetIterationTime(secondsOf(std::chrono::steady_clock::now() - start));
        bench.store.deleteAlarm(
            static_cast<int>(random() % static_cast<unsigned>(bench.store.rows().count())));
    }
}
BENCHMARK(BM_AddAlarm)->Apply(listSizes)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Only the DeleteAlarm is timed; a random alarm is added afterwards so the store keeps N alarms.
void BM_DeleteAlarm(benchmark::State& state)
{
    BenchStore bench;
    std::mt19937 random(11);
    bench.fillWithRandomAlarms(static_cast<int>(state.range(0)), random);
    for (auto _ : state) {
        const int row = static_cast<int>(random() % static_cast<unsigned>(bench.store.rows().count()));
        const auto start = std::chrono::steady_clock::now();
        bench.store.deleteAlarm(row);
        state.SetIterationTime(secondsOf(std::chrono::steady_clock::now() - start));
        bench.addRandomAlarm(random);
    }
}
BENCHMARK(BM_DeleteAlarm)->Apply(listSizes)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace klaxora::bench
