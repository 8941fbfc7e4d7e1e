// Fuzz target: the CSV reader and the amount cells. Beyond not crashing: the
// two reading forms agree, rows start on rising lines, and the rows written
// back (every cell quoted) read back to the same rows.
#include "framework/csv.h"
#include "fuzz/fuzz_checks.h"

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
    return 0;
}
