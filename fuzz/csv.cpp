// Fuzz target: the CSV reader, the amount cells and Schedule 1's share
// imports. Beyond not crashing: the two reading forms agree, rows start on
// rising lines, the rows written back (every cell quoted) read back to the
// same rows, and each import holds one entry per row it takes (the strict one
// none, with its reason, when it refuses the file).
#include "framework/csv.h"
#include "fuzz/fuzz_checks.h"
#include "schedules/sch1.h"
#include "schedules/sch1_share_import.h"

#include <algorithm>

#include <cmath>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<CsvRow> rows = parseCsvRows(text);
    std::vector<std::vector<std::string>> cells;
    ParseCSV(text, cells);
    FUZZ_CHECK(cells.size() == rows.size(), "both reading forms give the same rows");

    std::string written;
    int lastLine = 0;
    for (size_t r = 0; r < rows.size(); ++r) {
        FUZZ_CHECK(rows[r].line > lastLine, "rows start on rising lines");
        lastLine = rows[r].line;
        FUZZ_CHECK(rows[r].cells == cells[r], "both reading forms give the same cells");
        for (size_t c = 0; c < rows[r].cells.size(); ++c) {
            const std::string& cell = rows[r].cells[c];
            FUZZ_CHECK(std::isfinite(myStringToDouble(cell)), "an amount cell reads as a finite number");
            written += c ? ",\"" : "\"";
            for (char ch : cell)
                written += ch == '"' ? std::string("\"\"") : std::string(1, ch);
            written += '"';
        }
        written += "\n";
    }
    std::vector<std::vector<std::string>> reread;
    ParseCSV(written, reread);
    FUZZ_CHECK(reread == cells, "rows written back read back the same");

    const ShareImportColumns columns{1, 2, 3, 4, 5};
    TaxData_Sch1 strict;
    QString error;
    if (importSharesStrict(strict, text, QStringLiteral("f.csv"), columns, ShareImportMode::Append, false, error))
        FUZZ_CHECK(strict.moreEquityEntryCount() == int(rows.size()), "the strict import takes every row");
    else
        FUZZ_CHECK(strict.moreEquityEntryCount() == 0 && !error.isEmpty(), "a refused file changes nothing and says why");
    TaxData_Sch1 lenient;
    const int taken = importSharesLenient(lenient, cells, columns, ShareImportMode::Overwrite);
    FUZZ_CHECK(taken == std::min(int(cells.size()), kMaxLenientShareRows) && lenient.moreEquityEntryCount() == taken,
               "the window's import takes at most its limit of rows");
    return 0;
}
