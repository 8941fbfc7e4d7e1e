#include "schedules/sch1_share_import.h"

#include "framework/csv.h"
#include "schedules/sch1.h"

#include <algorithm>

namespace {
// One row's values, before they go into an entry.
struct ShareRowValues {
    double shares = 0.0;
    QString name;
    double proceeds = 0.0, costBase = 0.0, expenses = 0.0;
};

// Grows (or, overwriting, resizes) the entries for `rows` more and fills them.
void storeRows(TaxData_Sch1& sch1, const std::vector<ShareRowValues>& rows, ShareImportMode mode)
{
    const int start = mode == ShareImportMode::Append ? sch1.moreEquityEntryCount() : 0;
    const int total = start + int(rows.size());
    sch1.AllocateMoreEquityEntries(total);
    sch1.fld_ws_moreentry_num = double(total);
    for (size_t i = 0; i < rows.size(); ++i) {
        Type_MoreEquityEntryStruct& e = sch1.moreEquityEntry(start + int(i));
        e.fld_num = rows[i].shares;
        e.fld_name.setClipped(rows[i].name);
        e.fld_disposition.store(rows[i].proceeds);
        e.fld_costbase.store(rows[i].costBase);
        e.fld_expenses.store(rows[i].expenses);
    }
}

// The cell at a 1-based column, or nullptr when the row has no such cell.
const std::string* cellAt(const std::vector<std::string>& cells, int column)
{
    return column >= 1 && size_t(column) <= cells.size() ? &cells[size_t(column - 1)] : nullptr;
}
}  // namespace

int importSharesLenient(TaxData_Sch1& sch1, const std::vector<std::vector<std::string>>& rows,
                        const ShareImportColumns& columns, ShareImportMode mode)
{
    const size_t count = std::min(rows.size(), size_t(kMaxLenientShareRows));
    std::vector<ShareRowValues> values(count);
    for (size_t i = 0; i < count; ++i) {
        const auto amount = [&](int column) {
            const std::string* cell = cellAt(rows[i], column);
            return cell ? myStringToDouble(*cell) : 0.0;
        };
        values[i].shares = amount(columns.shares);
        if (const std::string* name = cellAt(rows[i], columns.name))
            values[i].name = QString::fromStdString(*name);
        values[i].proceeds = amount(columns.proceeds);
        values[i].costBase = amount(columns.costBase);
        values[i].expenses = amount(columns.expenses);
    }
    storeRows(sch1, values, mode);
    return int(count);
}

bool importSharesStrict(TaxData_Sch1& sch1, std::string_view csv, const QString& file,
                        const ShareImportColumns& columns, ShareImportMode mode, bool skipHeader, QString& error)
{
    bool unclosedQuote = false;
    const std::vector<CsvRow> rows = parseCsvRows(csv, &unclosedQuote);
    if (unclosedQuote && !rows.empty()) {
        error = QStringLiteral("%1: line %2: a quoted cell is not closed").arg(file).arg(rows.back().line);
        return false;
    }
    const int widest = std::max({columns.shares, columns.name, columns.proceeds, columns.costBase, columns.expenses});
    std::vector<ShareRowValues> values;
    values.reserve(rows.size());
    for (size_t r = skipHeader ? 1 : 0; r < rows.size(); ++r) {
        const CsvRow& row = rows[r];
        if (int(row.cells.size()) < widest) {
            error = QStringLiteral("%1: line %2, column %3: the row has only %4 cells")
                        .arg(file).arg(row.line).arg(int(row.cells.size()) + 1).arg(row.cells.size());
            return false;
        }
        bool ok = true;
        const auto amount = [&](int column) {
            const std::string* cell = cellAt(row.cells, column);
            if (!cell || !ok)
                return 0.0;
            const std::optional<double> v = parseAmountCell(*cell);
            if (!v) {
                ok = false;
                error = QStringLiteral("%1: line %2, column %3: \"%4\" is not an amount")
                            .arg(file).arg(row.line).arg(column).arg(QString::fromStdString(*cell));
            }
            return v.value_or(0.0);
        };
        ShareRowValues v;
        v.shares = amount(columns.shares);
        if (const std::string* name = cellAt(row.cells, columns.name))
            v.name = QString::fromStdString(*name).trimmed();
        v.proceeds = amount(columns.proceeds);
        v.costBase = amount(columns.costBase);
        v.expenses = amount(columns.expenses);
        if (!ok)
            return false;
        values.push_back(std::move(v));
    }
    storeRows(sch1, values, mode);
    return true;
}
