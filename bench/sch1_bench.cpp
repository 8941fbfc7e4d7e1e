// Schedule 1 with a broker's export of many trades: the command line's
// import of 100,000 CSV rows (target: under 1 s with reading and writing the
// return) and the schedule's calculation with 100,000 extra entries (target:
// under 5 ms).
#include "host/return_binary.h"
#include "schedules/sch1.h"
#include "schedules/sch1_share_import.h"
#include "trades_csv.h"

#include <benchmark/benchmark.h>

namespace {
constexpr int kTrades = 100000;

void BM_ImportShares100k(benchmark::State& state)
{
    const std::string csv = tradesCsv(kTrades);
    for (auto _ : state) {
        TaxData_Sch1 sch1;
        QString error;
        importSharesStrict(sch1, csv, QStringLiteral("t.csv"), {2, 1, 3, 4, 5}, ShareImportMode::Overwrite, true,
                           error);
        benchmark::DoNotOptimize(sch1.moreEquityEntryCount());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(csv.size()));
}

TaxReturn returnWithTrades()
{
    TaxReturn ret;
    auto* sch1 = static_cast<TaxData_Sch1*>(ret.add(std::make_unique<TaxData_Sch1>()));
    QString error;
    importSharesStrict(*sch1, tradesCsv(kTrades), QStringLiteral("t.csv"), {2, 1, 3, 4, 5}, ShareImportMode::Overwrite, true,
                       error);
    return ret;
}

void BM_SaveAndLoadReturnWith100kEntries(benchmark::State& state)
{
    const TaxReturn ret = returnWithTrades();
    for (auto _ : state) {
        const std::string bytes = returnToBinary(ret);
        benchmark::DoNotOptimize(returnFromBinary(bytes, QStringLiteral("r.t3r")).size());
    }
}

void BM_CalculateSch1With100kEntries(benchmark::State& state)
{
    TaxReturn ret = returnWithTrades();
    auto* sch1 = ret.first<TaxData_Sch1>();
    for (auto _ : state)
        sch1->Calculate();
    benchmark::DoNotOptimize(sch1->fld_1220.value());
}
}  // namespace

BENCHMARK(BM_ImportShares100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAndLoadReturnWith100kEntries)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculateSch1With100kEntries)->Unit(benchmark::kMillisecond);
