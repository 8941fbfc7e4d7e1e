// trustella efile: calculate a return and print its JSON filing document.
#include "cli.h"
#include "commands.h"
#include "return_io.h"

#include "host/calc_engine.h"
#include "host/filing_output.h"

namespace {
int run(const Invocation& args)
{
    TaxReturn ret = openReturn(args.arg(0));
    calculateReturn(ret);
    json doc;
    QString error;
    if (!buildFilingDocument(ret, doc, error))
        throw InputError(QStringLiteral("%1: %2").arg(args.arg(0), error));
    printOut(QString::fromStdString(doc.dump(2)) + QLatin1Char('\n'));
    return kExitOk;
}
}  // namespace

const Command efileCommand{
    "efile",
    "print the JSON filing document",
    "FILE",
    "Reads a return, calculates it and prints its JSON filing document (layout in docs/efile.md).",
    {},
    1,
    1,
    &run,
};
