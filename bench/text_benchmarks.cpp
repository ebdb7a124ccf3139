// One conversion of a typical time and date text, as the file reader does for every line.
#include "store/date_time_text.h"
#include "store/format_settings.h"

#include <benchmark/benchmark.h>

#include <string>

namespace klaxora::bench {
namespace {

void BM_ParseTime(benchmark::State& state)
{
    const FormatSettings storage = storageFormatSettings(FormatSettings{});
    const std::string text = "07:30pm";
    for (auto _ : state) {
        benchmark::DoNotOptimize(text.data());
        benchmark::DoNotOptimize(strToTime(text, storage));
    }
}
BENCHMARK(BM_ParseTime);

void BM_ParseDate(benchmark::State& state)
{
    const FormatSettings storage = storageFormatSettings(FormatSettings{});
    const std::string text = "06/15/2026";
    for (auto _ : state) {
        benchmark::DoNotOptimize(text.data());
        benchmark::DoNotOptimize(strToDate(text, storage, 2026));
    }
}
BENCHMARK(BM_ParseDate);

} // namespace
} // namespace klaxora::bench
