// trustella slips: list the slips of a return, issued and received.
#include "cli.h"
#include "commands.h"
#include "return_io.h"

#include "host/calc_engine.h"
#include "host/return_json.h"
#include "host/slip_list.h"

namespace {
json rowJson(const SlipListRow& row)
{
    json boxes = json::array();
    for (const SlipKeyBox& box : row.keyBoxes)
        boxes.push_back({{"box", box.box.toStdString()}, {"amount", box.amount}});
    return {{"index", row.formIndex},
            {"form", row.kind.toStdString()},
            {"issued", row.issued},
            {"party", row.party.toStdString()},
            {"boxes", std::move(boxes)}};
}

int run(const Invocation& args)
{
    TaxReturn ret = openReturn(args.arg(0));
    calculateReturn(ret);  // key boxes as the slips' own calculations leave them
    const bool asJson = args.has("--json");
    json list = json::array();
    QString text;
    for (int index : slipPositions(ret)) {
        const SlipListRow row = slipListRow(ret, index);
        if (asJson)
            list.push_back(rowJson(row));
        else
            text += QStringLiteral("%1\t%2\t%3\t%4\t%5\n")
                        .arg(row.formIndex)
                        .arg(row.kind, row.issued ? QStringLiteral("issued") : QStringLiteral("received"),
                             row.party, keyBoxesText(row.keyBoxes));
    }
    if (asJson)
        printOut(QString::fromStdString(json{{"slips", list}}.dump(2)) + QLatin1Char('\n'));
    else
        printOut(text.isEmpty() ? QStringLiteral("no slips\n") : text);
    return kExitOk;
}
}  // namespace

const Command slipsCommand{
    "slips",
    "list the slips of a return",
    "FILE [--json]",
    "Reads a return, calculates it and lists its slips in file order, one line per slip: the form's position, "
    "its class, issued or received, the other party (recipient or payer) and its key boxes, separated by tabs.",
    {{nullptr, "--json", nullptr,
      "print {\"slips\": [{\"index\", \"form\", \"issued\", \"party\", \"boxes\": [{\"box\", \"amount\"}]}]}"}},
    1,
    1,
    &run,
};
