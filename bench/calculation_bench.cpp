// A full calculation (the engine's two passes) after an edit: the sample
// return and large returns, against one plain pass over every amount. The target is well under one screen frame (16 ms).
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
// The floor a recalculation is measured against: one plain pass that reads
// every amount field of the return once.
void BM_ReadEveryAmountOfLargeReturn(benchmark::State& state)
{
    const TaxReturn ret = makeLargeReturn(int(state.range(0)));
    for (auto _ : state) {
        double sum = 0.0;
        for (const auto& form : ret.forms())
            for (const CField* field : form->fields())
                if (field->kind() == FIELD_FLOAT || field->kind() == FIELD_PERCENT)
                    sum += static_cast<const CFloatField*>(field)->value();
        benchmark::DoNotOptimize(sum);
    }
    state.counters["forms"] = ret.size();
}
}  // namespace

BENCHMARK(BM_CalculateSampleReturn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculateLargeReturn)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadEveryAmountOfLargeReturn)->Arg(10000)->Unit(benchmark::kMillisecond);
