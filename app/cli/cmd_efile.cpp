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
    std::string text;
    QString error;
    if (!filingDocumentText(ret, 2, text, error))
        throw InputError(QStringLiteral("%1: %2").arg(args.arg(0), error));
    text += '\n';
    printOutBytes(text);
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
