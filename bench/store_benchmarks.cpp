// The alarm store's operations on long lists: load with rewrite, write, add and delete.
#include "bench_store.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <random>

namespace klaxora::bench {
namespace {

void ListSizes(benchmark::internal::Benchmark* benchmark)
{
    for (const int n : {100, 1000, 10000, 100000})
        benchmark->Arg(n);
}

double SecondsOf(std::chrono::steady_clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

void BM_LoadAndRewrite(benchmark::State& state)
{
    BenchStore bench;
    const std::string file = RealisticAlarmFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        bench.PutAlarmFile(file); // the load rewrote it into its tidy form
        state.ResumeTiming();
        bench.store.LoadFromDisk();
    }
    state.counters["alarms"] = bench.store.BaseAlarmList().Count();
    state.counters["rows"] = bench.store.Rows().Count();
}
BENCHMARK(BM_LoadAndRewrite)->Apply(ListSizes)->Unit(benchmark::kMillisecond);

void BM_WriteToDisk(benchmark::State& state)
{
    BenchStore bench;
    bench.PutAlarmFile(RealisticAlarmFile(static_cast<int>(state.range(0))));
    bench.store.LoadFromDisk();
    for (auto _ : state)
        bench.store.WriteToDisk();
    state.counters["alarms"] = bench.store.BaseAlarmList().Count();
}
BENCHMARK(BM_WriteToDisk)->Apply(ListSizes)->Unit(benchmark::kMillisecond);

// Only the AddAlarm is timed; a random row is deleted afterwards so the store keeps N alarms.
void BM_AddAlarm(benchmark::State& state)
{
    BenchStore bench;
    std::mt19937 random(7);
    bench.FillWithRandomAlarms(static_cast<int>(state.range(0)), random);
    for (auto _ : state) {
        const AlarmTexts alarm = RandomFutureAlarm(random);
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(bench.store.AddAlarm(alarm.Time, alarm.Date, "Water the plants",
                                                      "/home/user/Sounds/ring.wav", 0));
        state.SetIterationTime(SecondsOf(std::chrono::steady_clock::now() - start));
        bench.store.DeleteAlarm(
            static_cast<int>(random() % static_cast<unsigned>(bench.store.Rows().Count())));
    }
}
BENCHMARK(BM_AddAlarm)->Apply(ListSizes)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Only the DeleteAlarm is timed; a random alarm is added afterwards so the store keeps N alarms.
void BM_DeleteAlarm(benchmark::State& state)
{
    BenchStore bench;
    std::mt19937 random(11);
    bench.FillWithRandomAlarms(static_cast<int>(state.range(0)), random);
    for (auto _ : state) {
        const int row = static_cast<int>(random() % static_cast<unsigned>(bench.store.Rows().Count()));
        const auto start = std::chrono::steady_clock::now();
        bench.store.DeleteAlarm(row);
        state.SetIterationTime(SecondsOf(std::chrono::steady_clock::now() - start));
        bench.AddRandomAlarm(random);
    }
}
BENCHMARK(BM_DeleteAlarm)->Apply(ListSizes)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace klaxora::bench
