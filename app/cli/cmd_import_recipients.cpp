// trustella import-recipients: issued T3 slips' recipients from a CSV file.
#include "cli.h"
#include "commands.h"
#include "return_io.h"

#include "framework/csv.h"
#include "host/recipients_import.h"

namespace {
constexpr int kMaxCsvMiB = 64;

int run(const Invocation& args)
{
    const QString returnPath = args.arg(0);
    const QString csvPath = args.arg(1);
    TaxReturn ret = openReturn(returnPath);
    std::string text;
    if (loadFileToString(CString(csvPath), text, kMaxCsvMiB, 256) != 0)
        throw InputError(QStringLiteral("%1: cannot be read (or is larger than %2 MiB)").arg(csvPath).arg(kMaxCsvMiB));
    const RecipientsImport parsed = parseRecipientsCsv(text);
    if (!parsed.ok())
        throw InputError(QStringLiteral("%1: %2; nothing imported").arg(csvPath, parsed.error));
    const RecipientsApplied applied = applyRecipients(ret, parsed.rows);
    writeReturn(returnPath, ret);
    printOut(QStringLiteral("%1: %2 issued T3 slips added, %3 updated\n")
                 .arg(returnPath)
                 .arg(applied.added)
                 .arg(applied.updated));
    return kExitOk;
}
}  // namespace

const Command importRecipientsCommand{
    "import-recipients",
    "import issued T3 slips' recipients from CSV",
    "FILE CSV",
    "Reads the recipients of issued T3 slips from CSV (header: name,last_name,id,address,city,postal_code,"
    "percentage) and writes FILE back: a recipient whose id is on an issued slip updates it, any other adds a slip "
    "filled from Schedule 9 by its percentage. A faulty row imports nothing and is named by line and column.",
    {},
    2,
    2,
    &run,
};
