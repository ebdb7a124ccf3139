// Runs the benchmarks in a process whose heap is set up as the program's is.
#include "store/heap_tuning.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    klaxora::TuneHeapForLongLists();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
