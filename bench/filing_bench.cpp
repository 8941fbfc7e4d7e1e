// Filing output of a calculated large return: every form's Netfile records
// as text, and the JSON filing document.
#include "bench/synthetic_forms.h"
#include "host/calc_engine.h"
#include "host/filing_output.h"

#include <benchmark/benchmark.h>

namespace {
constexpr int kLargeReturnSlips = 10000;

TaxReturn calculatedLargeReturn()
{
    TaxReturn ret = makeLargeReturn(kLargeReturnSlips);
    calculateReturn(ret);
    return ret;
}

void BM_NetfileRecordsOfLargeReturn(benchmark::State& state)
{
    const TaxReturn ret = calculatedLargeReturn();
    for (auto _ : state) {
        const QString text = netfileRecordsText(collectNetfileRecords(ret));
        benchmark::DoNotOptimize(text.constData());
    }
}

void BM_FilingDocumentOfLargeReturn(benchmark::State& state)
{
    const TaxReturn ret = calculatedLargeReturn();
    for (auto _ : state) {
        std::string text;
        QString error;
        if (!filingDocumentText(ret, -1, text, error)) {
            state.SkipWithError(error.toStdString().c_str());
            return;
        }
        benchmark::DoNotOptimize(text.data());
    }
}
// What the library's printer alone takes for the same document.
void BM_DumpFilingDocumentOfLargeReturn(benchmark::State& state)
{
    const TaxReturn ret = calculatedLargeReturn();
    json doc;
    QString error;
    if (!buildFilingDocument(ret, doc, error)) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    for (auto _ : state) {
        const std::string text = doc.dump();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["slips"] = double(doc["slipFiling"]["slips"].size());
}
}  // namespace

BENCHMARK(BM_NetfileRecordsOfLargeReturn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilingDocumentOfLargeReturn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DumpFilingDocumentOfLargeReturn)->Unit(benchmark::kMillisecond);
