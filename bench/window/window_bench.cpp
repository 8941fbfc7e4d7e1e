// The window, offscreen: opening a return of 10,000 received slips (reading
// the file, the form tree and the slip table, until the events settle), and
// Schedule 1's entries dialog opening on 100,000 extra share entries.
#include "../trades_csv.h"
#include "app/gui/main_window.h"
#include "host/return_file.h"
#include "pages/sch1_share_dialogs.h"
#include "returns/t3ret.h"
#include "schedules/sch1.h"
#include "schedules/sch1_share_import.h"
#include "slips/slip_t5.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
void BM_OpenReturnWithSlips(benchmark::State& state)
{
    const int slips = int(state.range(0));
    QTemporaryDir dir;
    TaxReturn ret;
    ret.add(std::make_unique<TaxData_T3Ret>());
    for (int i = 0; i < slips; ++i) {
        auto slip = std::make_unique<TaxData_Slip_T5>();
        slip->box_name = QStringLiteral("Payer %1").arg(i);
        slip->box_13 = i;
        ret.add(std::move(slip));
    }
    const QString file = dir.filePath(QStringLiteral("many.t3r"));
    saveReturn(file, ret);
    for (auto _ : state) {
        MainWindow window;
        window.show();
        if (!window.openReturn(file))
            state.SkipWithError("the return did not open");
        QCoreApplication::processEvents();
    }
    state.counters["slips"] = slips;
}
BENCHMARK(BM_OpenReturnWithSlips)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_OpenShareEntriesDialog(benchmark::State& state)
{
    TaxData_Sch1 sch1;
    QString error;
    if (!importSharesStrict(sch1, tradesCsv(int(state.range(0))), QStringLiteral("t.csv"), {2, 1, 3, 4, 5},
                            ShareImportMode::Overwrite, true, error))
        state.SkipWithError("the trades did not import");
    for (auto _ : state) {
        DlgSch1ExtraShares dialog(&sch1, nullptr);
        dialog.show();
        QCoreApplication::processEvents();
    }
    state.counters["entries"] = double(sch1.moreEquityEntryCount());
}
BENCHMARK(BM_OpenShareEntriesDialog)->Arg(100000)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
