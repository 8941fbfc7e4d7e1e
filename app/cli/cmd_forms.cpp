// trustella forms: the form classes the program knows.
#include "cli.h"
#include "commands.h"

#include "host/form_catalogue.h"
#include "host/return_json.h"

namespace {
struct FormFacts {
    const FormClass& cls;
    QString typeId;  // "1", "by creator", "-"
    int fields;
};

FormFacts factsOf(const FormClass& cls)
{
    const auto sample = cls.create(0);
    QString typeId;
    if (const auto* slip = dynamic_cast<const CSlipTaxDataBase01*>(sample.get()))
        typeId = cls.creatorArg == CreatorArg::SlipOrigin
                     ? QStringLiteral("slip %1, origin by creator").arg(slip->slipType())
                     : QStringLiteral("slip %1, origin %2").arg(slip->slipType()).arg(slip->slipFrom());
    else if (cls.creatorArg == CreatorArg::TypeId)
        typeId = QStringLiteral("by creator");
    else
        typeId = sample->formType() ? QString::number(sample->formType()) : QStringLiteral("-");
    return FormFacts{cls, typeId, sample->fieldCount()};
}

json factsToJson(const FormFacts& f)
{
    const auto sample = f.cls.create(0);
    json obj{{"form", f.cls.jsonName.toStdString()},
             {"class", f.cls.className.toStdString()},
             {"title", f.cls.title.toStdString()}};
    const auto* slip = dynamic_cast<const CSlipTaxDataBase01*>(sample.get());
    if (slip) {
        obj["slipType"] = slip->slipType();
        obj["origin"] = f.cls.creatorArg == CreatorArg::SlipOrigin ? json(nullptr) : json(slip->slipFrom());
    } else {
        obj["typeId"] = f.cls.creatorArg == CreatorArg::TypeId ? json(nullptr) : json(sample->formType());
    }
    obj["fields"] = f.fields;
    obj["kind"] = f.cls.kindText().toStdString();
    return obj;
}

int run(const Invocation& args)
{
    std::vector<FormFacts> facts;
    for (const FormClass& cls : FormCatalogue::standard().entries())
        facts.push_back(factsOf(cls));
    if (args.has("--json")) {
        json list = json::array();
        for (const FormFacts& f : facts)
            list.push_back(factsToJson(f));
        printOut(QString::fromStdString(list.dump(2)) + QLatin1Char('\n'));
        return kExitOk;
    }
    int nameWidth = 4, idWidth = 7;
    for (const FormFacts& f : facts) {
        nameWidth = std::max(nameWidth, int(f.cls.jsonName.size()));
        idWidth = std::max(idWidth, int(f.typeId.size()));
    }
    printOut(QStringLiteral("%1  %2  %3  TITLE\n").arg("FORM", -nameWidth).arg("TYPE ID", -idWidth).arg("FIELDS", 6));
    for (const FormFacts& f : facts)
        printOut(QStringLiteral("%1  %2  %3  %4\n")
                     .arg(f.cls.jsonName, -nameWidth)
                     .arg(f.typeId, -idWidth)
                     .arg(f.fields, 6)
                     .arg(f.cls.standalone() ? f.cls.title
                                             : QStringLiteral("%1 (%2)").arg(f.cls.title, f.cls.kindText())));
    return kExitOk;
}
}  // namespace

const Command formsCommand{
    "forms",
    "list the form classes",
    "[--json]",
    "Lists every form class with its form-type id (or slip type and origin), its number of fields and its title, "
    "then the classes that are parts of forms (a base class, a worksheet), each with the forms that hold it.",
    {{nullptr, "--json", nullptr, "print the list as JSON"}},
    0,
    0,
    &run,
};
