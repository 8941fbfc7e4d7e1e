// trustella check: calculate a return and list its validation messages.
#include "cli.h"
#include "commands.h"
#include "return_io.h"

#include "host/calc_engine.h"
#include "host/return_json.h"
#include "host/validation.h"

namespace {
int run(const Invocation& args)
{
    TaxReturn ret = openReturn(args.arg(0));
    calculateReturn(ret);
    const std::vector<ValidationMessage> messages = validateReturn(ret);
    if (args.has("--json")) {
        json list = json::array();
        for (const ValidationMessage& m : messages) {
            json item{{"form", m.form.toStdString()}, {"index", m.index}, {"text", m.text.toStdString()}};
            if (!m.field.isEmpty())
                item["field"] = m.field.toStdString();
            list.push_back(std::move(item));
        }
        printOut(QString::fromStdString(json{{"messages", list}}.dump(2)) + QLatin1Char('\n'));
    } else if (messages.empty()) {
        printOut(QStringLiteral("no validation messages\n"));
    } else {
        for (const ValidationMessage& m : messages)
            printOut(QStringLiteral("%1: %2\n").arg(m.form, m.text));
    }
    return messages.empty() ? kExitOk : kExitMessages;
}
}  // namespace

const Command checkCommand{
    "check",
    "calculate a return and list its validation messages",
    "FILE [--json]",
    "Reads a return, calculates it and validates every form in file order: one line \"CLASS: message\" per "
    "message. Exits with 1 when there are messages.",
    {{nullptr, "--json", nullptr,
      "print {\"messages\": [{\"form\", \"index\", \"text\", \"field\"}]}; \"field\" only for a message about a "
      "field"}},
    1,
    1,
    &run,
};
