// The host's CSV reader, used by every import (Schedule 1 share entries,
// issued slips' recipients). The dialect is RFC 4180 as spreadsheets write
// it: comma-separated cells, a cell in double quotes may hold commas, line
// ends and doubled quotes (""), lines end in LF, CRLF or CR. A UTF-8 byte
// order mark at the start is skipped, and a line with no characters at all
// is not a row (a trailing line end does not add an empty row).
#pragma once

#include "framework/cstring.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct CsvRow {
    int line = 0;  // 1-based line of the file where the row starts
    std::vector<std::string> cells;
};

// Every row with the line it starts on. A quote left open at the end of the
// text closes there (the lenient dialogs take what is there); `unclosedQuote`
// says whether it happened, for the strict imports.
std::vector<CsvRow> parseCsvRows(std::string_view text, bool* unclosedQuote = nullptr);

// The rows' cells in file order (the dialogs' form of parseCsvRows).
void ParseCSV(const std::string& text, std::vector<std::vector<std::string>>& rows);

// An amount cell as a preparer types it: blanks around it, a dollar sign,
// thousands commas, and an accounting negative in parentheses are allowed
// ("$1,234.50", "(12.00)", " -7 "). nullopt when what remains is not one
// whole number; an empty cell is 0.
std::optional<double> parseAmountCell(std::string_view cell);

// The lenient reading of the dialogs: parseAmountCell, or 0.0 when the cell
// is not a number.
double myStringToDouble(const std::string& cell);

// Reads the whole file into `out`. `maxMiB` refuses a larger file (the
// imports read their file at once; 0 means no limit) and `chunkKiB` is the
// read size. 0 on success; -1 when the file cannot be opened or read, -2
// when it is larger than maxMiB. `out` is left empty on failure.
int loadFileToString(const CString& path, std::string& out, int maxMiB, int chunkKiB);
