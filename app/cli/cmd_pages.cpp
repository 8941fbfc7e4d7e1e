// trustella pages: a form class's pages and the widgets each binds to a field.
#include "cli.h"
#include "commands.h"
#include "return_io.h"

#include "framework/page_builder.h"
#include "framework/worksheet.h"
#include "host/return_json.h"

namespace {

json pageJson(const PageDescription& page, const CTaxData_Form& form)
{
    json obj{{"class", page.className.toStdString()}};
    if (page.title.isEmpty())
        obj["id"] = page.id;
    else
        obj["title"] = page.title.toStdString();
    QStringList errors;
    json widgets = json::array();
    for (const DescribedWidget& w : describedWidgets(page, form, &errors))
        widgets.push_back({{"name", w.objectName.toStdString()}, {"kind", boundWidgetKindName(w.kind)}});
    if (!errors.isEmpty())
        throw InputError(QStringLiteral("page %1: %2").arg(page.className, errors.first()));
    obj["widgets"] = std::move(widgets);
    return obj;
}

int run(const Invocation& args)
{
    const FormClass& cls = formClassArgument(args.arg(0));
    const auto form = cls.create(0);
    json pages = json::array();
    if (const FormPageDescriptions* described = PageDescriptionRegistry::instance().form(cls.jsonName))
        for (const PageDescription& page : described->pages)
            pages.push_back(pageJson(page, *form));
    // Then the pages of the worksheets the form holds, once per worksheet class.
    QStringList worksheetClasses;
    for (const CWSBaseData* worksheet : form->worksheets()) {
        const QString name = worksheet->shortClassName();
        if (worksheetClasses.contains(name))
            continue;
        worksheetClasses << name;
        if (const FormPageDescriptions* described = PageDescriptionRegistry::instance().form(name))
            for (const PageDescription& page : described->pages) {
                pages.push_back(pageJson(page, *worksheet));
                pages.back()["worksheet"] = name.toStdString();
            }
    }
    if (args.has("--json")) {
        const json doc{{"form", cls.jsonName.toStdString()}, {"pages", std::move(pages)}};
        printOut(QString::fromStdString(doc.dump(2)) + QLatin1Char('\n'));
        return kExitOk;
    }
    if (pages.empty())
        printOut(QStringLiteral("%1 has no pages\n").arg(cls.jsonName));
    for (const json& page : pages) {
        QString caption = page.contains("title") ? QString::fromStdString(page["title"].get<std::string>())
                                                 : QString::number(page["id"].get<int>());
        if (page.contains("worksheet"))
            caption += QStringLiteral(" (worksheet %1)").arg(QString::fromStdString(page["worksheet"].get<std::string>()));
        printOut(QStringLiteral("%1 %2\n").arg(QString::fromStdString(page["class"].get<std::string>()), caption));
        for (const json& w : page["widgets"])
            printOut(QStringLiteral("  %1 %2\n")
                         .arg(QString::fromStdString(w["name"].get<std::string>()), -28)
                         .arg(QString::fromStdString(w["kind"].get<std::string>())));
    }
    return kExitOk;
}

}  // namespace

const Command pagesCommand{
    "pages",
    "list a form class's pages and their widgets",
    "CLASS [--json]",
    "Lists the data-entry pages of CLASS (\"T3Ret\" or \"TaxData_T3Ret\") in page order, each with its class and its "
    "id or title, and the widgets it binds to fields: object name (the field's name) and widget kind; then the "
    "pages of the worksheets the form holds, marked with the worksheet's class.",
    {{nullptr, "--json", nullptr, "print the list as JSON"}},
    1,
    1,
    &run,
};
