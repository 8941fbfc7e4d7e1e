// Save and load of many forms through the stored-data frames, in bytes per second.
#include "bench/synthetic_forms.h"
#include "framework/datastream.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {
std::string storeAll(const std::vector<std::unique_ptr<TaxData_TaxNote>>& notes)
{
    std::string out;
    for (const auto& note : notes) {
        MyDataStream ar = MyDataStream::forStoring();
        note->Serialize(TRUSTELLA_STREAM_VERSION, CString(), ar);
        out += ar.finish();
    }
    return out;
}

void BM_SaveTaxNotes(benchmark::State& state)
{
    const auto notes = makeTaxNotes(int(state.range(0)));
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string data = storeAll(notes);
        bytes += data.size();
        benchmark::DoNotOptimize(data.data());
    }
    state.SetBytesProcessed(int64_t(bytes));
}

void BM_LoadTaxNotes(benchmark::State& state)
{
    const std::string data = storeAll(makeTaxNotes(int(state.range(0))));
    for (auto _ : state) {
        std::vector<std::unique_ptr<TaxData_TaxNote>> loaded;
        for (size_t pos = 0; pos < data.size();) {
            const size_t size = MyDataStream::frameSizeAt(data.data() + pos, data.size() - pos);
            MyDataStream ar = MyDataStream::forLoading(std::string_view(data).substr(pos, size));
            auto note = std::make_unique<TaxData_TaxNote>();
            if (!ar.ok() || note->Serialize(ar.version(), CString(), ar) != 0) {
                state.SkipWithError(ar.error().c_str());
                return;
            }
            loaded.push_back(std::move(note));
            pos += size;
        }
        benchmark::DoNotOptimize(loaded.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(data.size()));
}
}  // namespace

BENCHMARK(BM_SaveTaxNotes)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadTaxNotes)->Arg(10000)->Unit(benchmark::kMillisecond);
