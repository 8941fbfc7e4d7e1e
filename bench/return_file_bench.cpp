// Save and load of a large return in both file representations, in bytes per
// second (the aim is disk speed: hundreds of MB/s).
#include "bench/synthetic_forms.h"
#include "host/return_binary.h"
#include "host/return_json.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {
constexpr int kLargeReturnSlips = 10000;

template <class Write>
void saveBenchmark(benchmark::State& state, Write write)
{
    const TaxReturn ret = makeLargeReturn(kLargeReturnSlips);
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string data = write(ret);
        bytes += data.size();
        benchmark::DoNotOptimize(data.data());
    }
    state.SetBytesProcessed(int64_t(bytes));
    state.counters["file_MB"] = double(bytes) / double(state.iterations()) / 1e6;
}

template <class Write, class Read>
void loadBenchmark(benchmark::State& state, Write write, Read read)
{
    const std::string data = write(makeLargeReturn(kLargeReturnSlips));
    for (auto _ : state) {
        TaxReturn ret = read(data);
        benchmark::DoNotOptimize(ret.form(0));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(data.size()));
    state.counters["file_MB"] = double(data.size()) / 1e6;
}

std::string writeBinary(const TaxReturn& ret) { return returnToBinary(ret); }
TaxReturn readBinary(const std::string& data) { return returnFromBinary(data, QStringLiteral("bench.t3r")); }
std::string writeJson(const TaxReturn& ret) { return returnToJsonText(ret); }
TaxReturn readJson(const std::string& data) { return returnFromJson(data, QStringLiteral("bench.json")); }

void BM_SaveBinaryReturn(benchmark::State& state) { saveBenchmark(state, writeBinary); }
void BM_LoadBinaryReturn(benchmark::State& state) { loadBenchmark(state, writeBinary, readBinary); }
void BM_SaveJsonReturn(benchmark::State& state) { saveBenchmark(state, writeJson); }
void BM_LoadJsonReturn(benchmark::State& state) { loadBenchmark(state, writeJson, readJson); }
}  // namespace

BENCHMARK(BM_SaveBinaryReturn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBinaryReturn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveJsonReturn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadJsonReturn)->Unit(benchmark::kMillisecond);
