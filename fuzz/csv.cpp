// Fuzz target: the CSV reader, the amount cells, Schedule 1's share imports
// and the issued slips' recipients import. Beyond not crashing: the two
// reading forms agree, rows start on rising lines, the rows written back
// (every cell quoted) read back to the same rows, and each import holds one
// entry per row it takes (the strict ones none, with the line of the fault,
// when they refuse the file).
#include "framework/csv.h"
#include "fuzz/fuzz_checks.h"
#include "host/recipients_import.h"
#include "slips/t3slip_issuing.h"
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

    const RecipientsImport recipients = parseRecipientsCsv(text);
    if (recipients.ok()) {
        TaxReturn ret;
        const RecipientsApplied applied = applyRecipients(ret, recipients.rows);
        FUZZ_CHECK(applied.added == int(recipients.rows.size()) && applied.updated == 0 &&
                       ret.size() == applied.added,
                   "every recipient row adds one issued slip");
        for (int i = 0; i < ret.size(); ++i) {
            const auto& slip = static_cast<const TaxData_Slip_T3_Issuing&>(*ret.form(i));
            const RecipientRow& row = recipients.rows[size_t(i)];
            FUZZ_CHECK(static_cast<const QString&>(slip.box_id) == row.id &&
                           std::abs(double(slip.box_Pcnt) - row.percentage) < 1e-9,
                       "a recipient's slip holds the row's id and percentage");
        }
    } else {
        FUZZ_CHECK(recipients.rows.empty() && recipients.error.startsWith(QLatin1String("line ")),
                   "a refused recipients file takes no row and names the line");
    }
    return 0;
}
