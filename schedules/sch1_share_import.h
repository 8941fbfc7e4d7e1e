// Extra share entries of Schedule 1 from a CSV file, one entry per row: the
// number of shares, the name, the proceeds, the adjusted cost base and the
// outlays and expenses, each from the column the user names (from 1; 0: not
// in the file). The year of acquisition is not imported: an entry that
// existed before keeps its year, a new one starts without. The share columns
// and gains follow at the next calculation.
#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

class TaxData_Sch1;

struct ShareImportColumns {
    int shares = 0;
    int name = 0;
    int proceeds = 0;
    int costBase = 0;
    int expenses = 0;
};

// Rows that overwrite (from the first entry) or follow the current entries.
enum class ShareImportMode { Overwrite, Append };

// The window's import: at most 1000 rows, the first row included; a column
// beyond a row's cells gives 0.0 (or no name), a cell that is not a number
// what myStringToDouble makes of it. Answers the number of rows imported.
int importSharesLenient(TaxData_Sch1& sch1, const std::vector<std::vector<std::string>>& rows,
                        const ShareImportColumns& columns, ShareImportMode mode);
constexpr int kMaxLenientShareRows = 1000;

// The command line's import: every row (after the first with `skipHeader`);
// a row with too few cells, an amount cell that is not an amount (a dollar
// sign, thousands commas and parentheses are allowed) or a quote left open
// stops it. On such a row the schedule is left as it was and `error` says
// "FILE: line L, column C: ..."; answers false. `file` names the CSV.
bool importSharesStrict(TaxData_Sch1& sch1, std::string_view csv, const QString& file,
                        const ShareImportColumns& columns, ShareImportMode mode, bool skipHeader, QString& error);
