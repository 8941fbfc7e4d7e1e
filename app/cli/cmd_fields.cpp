// trustella fields: the registered fields of a form class.
#include "cli.h"
#include "commands.h"
#include "return_io.h"

#include "efile/netfile_records.h"
#include "host/return_json.h"

namespace {
const char* const kFormatLetters[] = {"", "W", "C", "M", "Y", "F"};

// "56 W": the Netfile record code and its format; empty without a record.
QString recordOf(const CField& f)
{
    if (!f.netfileCode())
        return QString();
    return QStringLiteral("%1 %2").arg(QString::fromStdString(netfileCodeText(f.netfileCode())),
                                        QLatin1String(kFormatLetters[int(f.netfileFormat())]));
}

QString kindOf(const CField& f)
{
    const QString kind = QLatin1String(CField::kindName(f.kind()));
    if (f.kind() == FIELD_STRING)
        return kind + QStringLiteral("(%1)").arg(static_cast<const CStringField&>(f).maxLength());
    return kind;
}

int run(const Invocation& args)
{
    const FormClass& cls = formClassArgument(args.arg(0));
    const auto form = cls.create(0);
    if (args.has("--json")) {
        json list = json::array();
        for (const CField* f : form->fields()) {
            json obj{{"name", f->name()}, {"kind", CField::kindName(f->kind())}, {"line", f->lineNum()}};
            if (f->kind() == FIELD_STRING)
                obj["maxLength"] = static_cast<const CStringField*>(f)->maxLength();
            if (*f->craLine())
                obj["craLine"] = f->craLine();
            if (f->netfileCode()) {
                obj["netfileCode"] = netfileCodeText(f->netfileCode());
                obj["netfileFormat"] = kFormatLetters[int(f->netfileFormat())];
            }
            obj["default"] = fieldToJson(*f);
            list.push_back(std::move(obj));
        }
        printOut(QString::fromStdString(list.dump(2)) + QLatin1Char('\n'));
        return kExitOk;
    }
    int nameWidth = 4, kindWidth = 4;
    for (const CField* f : form->fields()) {
        nameWidth = std::max(nameWidth, int(qstrlen(f->name())));
        kindWidth = std::max(kindWidth, int(kindOf(*f).size()));
    }
    printOut(QStringLiteral("%1  %2  %3  %4  %5  DEFAULT\n")
                 .arg("NAME", -nameWidth)
                 .arg("KIND", -kindWidth)
                 .arg("LINE", 5)
                 .arg("CRA", -4)
                 .arg("RECORD", -8));
    for (const CField* f : form->fields())
        printOut(QStringLiteral("%1  %2  %3  %4  %5  %6\n")
                     .arg(QLatin1String(f->name()), -nameWidth)
                     .arg(kindOf(*f), -kindWidth)
                     .arg(f->lineNum(), 5)
                     .arg(QLatin1String(f->craLine()), -4)
                     .arg(recordOf(*f), -8)
                     .arg(QString::fromStdString(fieldToJson(*f).dump())));
    return kExitOk;
}
}  // namespace

const Command fieldsCommand{
    "fields",
    "list a form class's fields",
    "CLASS [--json]",
    "Lists the registered fields of CLASS (\"T3Ret\" or \"TaxData_T3Ret\") in registration order: name, kind, "
    "line number (0 where none), the CRA line the form prints, the Netfile record (code and format: W whole "
    "dollars, C cents, M whole dollars at least 1, Y answer, F flag) and the default value as the JSON return file "
    "writes it.",
    {{nullptr, "--json", nullptr, "print the list as JSON"}},
    1,
    1,
    &run,
};
