// A full calculation (the engine's two passes) after an edit: the sample
// return and large returns. The target is well under one screen frame (16 ms).
#include "bench/synthetic_forms.h"
#include "host/calc_engine.h"

#include <benchmark/benchmark.h>

namespace {
void BM_CalculateSampleReturn(benchmark::State& state)
{
    TaxReturn ret = loadSampleReturn();
    for (auto _ : state)
        calculateReturn(ret);
    state.counters["forms"] = ret.size();
}

void BM_CalculateLargeReturn(benchmark::State& state)
{
    TaxReturn ret = makeLargeReturn(int(state.range(0)));
    for (auto _ : state)
        calculateReturn(ret);
    state.counters["forms"] = ret.size();
}
}  // namespace

BENCHMARK(BM_CalculateSampleReturn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculateLargeReturn)->Arg(10000)->Unit(benchmark::kMillisecond);
