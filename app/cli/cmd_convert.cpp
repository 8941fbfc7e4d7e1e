// trustella convert: between the binary and the JSON return file.
#include "cli.h"
#include "commands.h"
#include "return_io.h"

namespace {
int run(const Invocation& args)
{
    const QString output = args.arg(1);
    requireReturnFileName(output);
    const TaxReturn ret = openReturn(args.arg(0));
    writeReturn(output, ret);
    printOut(QStringLiteral("%1: %2 forms\n").arg(output).arg(ret.size()));
    return kExitOk;
}
}  // namespace

const Command convertCommand{
    "convert",
    "convert a return between .t3r and .json",
    "IN OUT",
    "Reads the return IN and writes it to OUT; the names' endings (.t3r, .json) choose the representations.",
    {},
    2,
    2,
    &run,
};
