// trustella new: a new, empty return.
#include "cli.h"
#include "commands.h"
#include "return_io.h"

#include "host/new_return.h"

namespace {
// "CLASS" or, for a class whose type id or slip origin the creator gives, "CLASS:N".
std::unique_ptr<CTaxData_Form> formFromArgument(const QString& argument)
{
    const QString name = argument.section(QLatin1Char(':'), 0, 0);
    const QString number = argument.section(QLatin1Char(':'), 1);
    const FormClass& cls = formClassArgument(name);
    if (!cls.standalone())
        throw UsageError(cls.notStandaloneReason());
    if (cls.creatorArg == CreatorArg::None) {
        if (argument.contains(QLatin1Char(':')))
            throw UsageError(QStringLiteral("%1 takes no number").arg(name));
        return cls.create();
    }
    bool ok = false;
    const int arg = number.toInt(&ok);
    if (!ok)
        throw UsageError(QStringLiteral("%1 needs its %2: %1:N")
                             .arg(name, cls.creatorArg == CreatorArg::TypeId ? QStringLiteral("form-type id")
                                                                             : QStringLiteral("origin")));
    return cls.create(arg);
}

int run(const Invocation& args)
{
    if (!args.has("--output"))
        throw UsageError(QStringLiteral("the new return's file is missing (-o OUT)"));
    const QString output = args.value("--output");
    requireReturnFileName(output);
    QStringList classes = args.positional();
    if (args.has("--type")) {
        if (!classes.isEmpty())
            throw UsageError(QStringLiteral("--type and a list of classes cannot be given together"));
        classes = newReturnForms(args.value("--type"));
        if (classes.isEmpty())
            throw UsageError(QStringLiteral("unknown return type %1 (one of %2)")
                                 .arg(args.value("--type"), newReturnTypes().join(QLatin1Char('|'))));
    }
    if (classes.isEmpty())
        classes = defaultNewReturnForms();
    TaxReturn ret;
    for (const QString& c : classes)
        ret.add(formFromArgument(c));
    writeReturn(output, ret);
    printOut(QStringLiteral("%1: %2 forms\n").arg(output).arg(ret.size()));
    return kExitOk;
}
}  // namespace

const Command newCommand{
    "new",
    "create a new return",
    "-o OUT [--type TYPE | CLASS...]",
    "Writes a new return with the forms named, in order; by default a T3 return with Schedule 9, Schedule 11 "
    "and the T183 form. --type starts a return of another type with its forms: T3M, T3RCA and T3ATH with the "
    "T183 form, T3S also with Form T2000. A class whose form-type id (or slip origin) its creator gives is "
    "named CLASS:N.",
    {{"-o", "--output", "OUT", "the new return (.t3r or .json)"},
     {"-t", "--type", "TYPE", "the return type: T3M, T3S, T3RCA, T3ATH or T3"}},
    0,
    -1,
    &run,
};
