// trustella calc: calculate a return and show its result.
#include "cli.h"
#include "commands.h"
#include "return_io.h"

#include "host/calc_engine.h"
#include "host/return_json.h"
#include "host/validation.h"
#include "returns/t3base.h"

namespace {
int run(const Invocation& args)
{
    const QString output = args.value("--output");
    if (args.has("--output"))
        requireReturnFileName(output);
    TaxReturn ret = openReturn(args.arg(0));
    calculateReturn(ret);
    const size_t messages = validateReturn(ret).size();
    if (args.has("--output"))
        writeReturn(output, ret);

    if (args.has("--json")) {
        printOut(QString::fromStdString(returnToJsonText(ret)));
        return kExitOk;
    }
    CString result;
    if (TaxData_T3Base* trustReturn = ret.first<TaxData_T3Base>())
        trustReturn->getTaxReturnResult(result);
    else
        result = QStringLiteral("no trust return in the file");
    printOut(QStringLiteral("%1\nvalidation messages: %2\n").arg(result).arg(messages));
    return kExitOk;
}
}  // namespace

const Command calcCommand{
    "calc",
    "calculate a return and print its result",
    "FILE [-o OUT] [--json]",
    "Reads a return (.t3r or .json), calculates it and prints the return's result line and the number of "
    "validation messages.",
    {{"-o", "--output", "OUT", "also write the calculated return to OUT (.t3r or .json)"},
     {nullptr, "--json", nullptr, "print the calculated return as a JSON return document instead"}},
    1,
    1,
    &run,
};
