// trustella import-shares: Schedule 1's extra share entries from a CSV file,
// strictly and without a row limit (a broker's export of many trades).
#include "cli.h"
#include "commands.h"
#include "return_io.h"

#include "framework/csv.h"
#include "schedules/sch1_share_import.h"
#include "schedules/sch1.h"

namespace {
// A column number option: a whole number from 0 (0: not in the file).
int columnOption(const Invocation& args, const char* option)
{
    if (!args.has(option))
        throw UsageError(QStringLiteral("%1 N is missing: the column that holds it, from 1 (0: none)").arg(option));
    bool ok = false;
    const int column = args.value(option).toInt(&ok, 10);
    if (!ok || column < 0)
        throw UsageError(QStringLiteral("%1: \"%2\" is not a column number").arg(option, args.value(option)));
    return column;
}

int run(const Invocation& args)
{
    const QString returnPath = args.arg(0);
    const QString csvPath = args.arg(1);
    ShareImportColumns columns;
    columns.shares = columnOption(args, "--shares");
    columns.name = columnOption(args, "--name");
    columns.proceeds = columnOption(args, "--proceeds");
    columns.costBase = columnOption(args, "--cost");
    columns.expenses = columnOption(args, "--expenses");

    TaxReturn ret = openReturn(returnPath);
    std::string csv;
    if (loadFileToString(CString(csvPath), csv, 0, 64) != 0)
        throw InputError(QStringLiteral("%1: cannot be read").arg(csvPath));
    auto* sch1 = ret.first<TaxData_Sch1>();
    if (!sch1)
        sch1 = static_cast<TaxData_Sch1*>(ret.add(std::make_unique<TaxData_Sch1>()));
    QString error;
    if (!importSharesStrict(*sch1, csv, csvPath, columns,
                            args.has("--append") ? ShareImportMode::Append : ShareImportMode::Overwrite,
                            args.has("--skip-header"), error))
        throw InputError(error);
    writeReturn(returnPath, ret);
    printOut(QStringLiteral("%1: Schedule 1 holds %2 extra share entries\n")
                 .arg(returnPath)
                 .arg(sch1->moreEquityEntryCount()));
    return kExitOk;
}
}  // namespace

const Command importSharesCommand{
    "import-shares",
    "import Schedule 1 share dispositions from a CSV file",
    "RETURN CSV --shares N --name N --proceeds N --cost N --expenses N [--append] [--skip-header]",
    "Reads every row of CSV into the extra share entries of Schedule 1 (Period 2, section 3) of RETURN and "
    "writes RETURN back; each option names the column (from 1; 0: not in the file) that holds the number of "
    "shares, the name, the proceeds of disposition, the adjusted cost base and the outlays and expenses. The "
    "entries are replaced unless --append is given; the year of acquisition is kept. A row with too few cells or "
    "an amount that is not a number (\"$1,234.50\" and \"(12.00)\" are amounts) stops the import, names the line "
    "and column and leaves RETURN as it was. A return without Schedule 1 gets one. Run 'trustella calc' for the "
    "schedule's totals.",
    {{nullptr, "--shares", "N", "column of the number of shares"},
     {nullptr, "--name", "N", "column of the name of the shares"},
     {nullptr, "--proceeds", "N", "column of the proceeds of disposition"},
     {nullptr, "--cost", "N", "column of the adjusted cost base"},
     {nullptr, "--expenses", "N", "column of the outlays and expenses"},
     {nullptr, "--append", nullptr, "add the rows after the current entries"},
     {nullptr, "--skip-header", nullptr, "the first row holds column names"}},
    2,
    2,
    &run,
};
