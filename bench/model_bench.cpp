// Costs of the model: one tick of 50 wavefronts into the recording sink, and the restart from three texts.
#include "wave_state.h"
#include "wave_tick.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

// Every allocation of the process is counted, so a benchmark can report how many its loop made.
std::atomic<long long> g_allocations{0};

} // namespace

void *operator new(std::size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void *p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

void operator delete(void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }

namespace {

void reportAllocations(benchmark::State &run, long long before)
{
    run.counters["allocs/iter"] = benchmark::Counter(static_cast<double>(g_allocations.load() - before),
                                                     benchmark::Counter::kAvgIterations);
}

// The largest frame the program draws: 50 wavefronts (typed) at Mach 3 over 4 s.
void tickFiftyWavefronts(benchmark::State &run)
{
    conwave::WaveState state;
    conwave::initialise(state);
    conwave::restart(state, "3", "50", "4");
    conwave::RecordingSink sink;
    conwave::tick(state, sink); // the sink's storage exists from here on
    const long long before = g_allocations.load();
    for (auto _ : run) {
        conwave::tick(state, sink);
        benchmark::DoNotOptimize(sink.frame().data());
    }
    reportAllocations(run, before);
}
BENCHMARK(tickFiftyWavefronts);

// The widest picture the scroll bars give: Mach 3, 30 wavefronts over 4 s.
void tickThirtyWavefronts(benchmark::State &run)
{
    conwave::WaveState state;
    conwave::initialise(state);
    conwave::restart(state, "3", "30", "4");
    conwave::RecordingSink sink;
    conwave::tick(state, sink);
    for (auto _ : run) {
        conwave::tick(state, sink);
        benchmark::DoNotOptimize(sink.frame().data());
    }
}
BENCHMARK(tickThirtyWavefronts);

void restartFromTexts(benchmark::State &run)
{
    conwave::WaveState state;
    conwave::initialise(state);
    const long long before = g_allocations.load();
    for (auto _ : run) {
        conwave::restart(state, "1.2", "4", "1");
        benchmark::DoNotOptimize(state.dtWave);
    }
    reportAllocations(run, before);
}
BENCHMARK(restartFromTexts);

} // namespace

BENCHMARK_MAIN();
