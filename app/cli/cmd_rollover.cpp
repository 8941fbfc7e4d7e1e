// trustella rollover: start next year's return from this one.
#include "cli.h"
#include "commands.h"
#include "return_io.h"

#include "host/carry_forward.h"
#include "host/return_error.h"

namespace {
int run(const Invocation& args)
{
    if (!args.has("--output"))
        throw UsageError(QStringLiteral("the new return's file is missing (-o OUT)"));
    const QString output = args.value("--output");
    requireReturnFileName(output);
    const TaxReturn old = openReturn(args.arg(0));
    STRUCT_IMPORT_LASTYEAR_PARAM param;
    param.bSameYear = args.has("--same-year") ? 1 : 0;
    TaxReturn next;
    try {
        next = carryForward(old, param);
    } catch (const ReturnFileError& e) {
        throw InputError(args.arg(0) + QStringLiteral(": ") + QString::fromStdString(e.what()));
    }
    writeReturn(output, next);
    printOut(QStringLiteral("%1: %2 of %3 forms carried forward\n").arg(output).arg(next.size()).arg(old.size()));
    return kExitOk;
}
}  // namespace

const Command rolloverCommand{
    "rollover",
    "carry a return forward into a new year",
    "FILE -o OUT [--same-year]",
    "Writes a new return made from FILE: every form that is carried forward, each turned into the new year's "
    "starting values.",
    {{"-o", "--output", "OUT", "the new return (.t3r or .json)"},
     {nullptr, "--same-year", nullptr, "keep the tax year (only the filing status is cleared)"}},
    1,
    1,
    &run,
};
