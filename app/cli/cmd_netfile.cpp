// trustella netfile: calculate a return and print every form's Netfile records.
#include "cli.h"
#include "commands.h"
#include "return_io.h"

#include "host/calc_engine.h"
#include "host/filing_output.h"
#include "host/provincial_components.h"

namespace {
int run(const Invocation& args)
{
    TaxReturn ret = openReturn(args.arg(0));
    calculateReturn(ret);
    const std::vector<ValidationMessage> blockers = messagesBeforeNetfile(ret);
    if (!blockers.empty()) {
        for (const ValidationMessage& m : blockers)
            printErr(QStringLiteral("%1: %2: %3\n").arg(args.arg(0), m.form, m.text));
        return kExitMessages;
    }
    const std::vector<FormNetfileRecords> sets = collectNetfileRecords(ret);
    if (args.has("--json"))
        printOut(QString::fromStdString(netfileRecordsJson(sets).dump(2)) + QLatin1Char('\n'));
    else
        printOut(netfileRecordsText(sets));
    return kExitOk;
}
}  // namespace

const Command netfileCommand{
    "netfile",
    "print every form's Netfile field records",
    "FILE [--json]",
    "Reads a return, calculates it and prints each form's Netfile field records in file order, one line "
    "\"CLASS CODE VALUE\" per record in the order of the codes. Forms that write no record are left out. "
    "When the return cannot be filed (Schedule 5's regulation type, a provincial component's messages) it "
    "prints the reasons and exits with 1.",
    {{nullptr, "--json", nullptr, "print [{\"form\", \"index\", \"records\": {CODE: VALUE}}]"}},
    1,
    1,
    &run,
};
