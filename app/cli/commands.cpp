#include "commands.h"

#include "framework/year_figures.h"

const std::vector<const Command*>& commands()
{
    // In the order of `trustella --help`.
    static const std::vector<const Command*> table = {
        &calcCommand,
        &checkCommand,
        &netfileCommand,
        &efileCommand,
        &rolloverCommand,
        &convertCommand,
        &newCommand,
        &formsCommand,
        &fieldsCommand,
        &pagesCommand,
        &javaCommand,
        &importSharesCommand,
        &importRecipientsCommand,
        &slipsCommand,
    };
    return table;
}

const Command* findCommand(const QString& name)
{
    for (const Command* c : commands())
        if (name == QLatin1String(c->name))
            return c;
    return nullptr;
}

QString overviewText()
{
    QString text = QStringLiteral(
        "Usage: trustella COMMAND [ARGUMENTS]\n\n"
        "Prepares T3 trust income tax and information returns for the %1 tax year.\n"
        "A return file ends in .t3r (binary) or .json.\n\nCommands:\n").arg(year_figures::kTaxYear);
    for (const Command* c : commands())
        text += QStringLiteral("  %1  %2\n").arg(QLatin1String(c->name), -9).arg(QString::fromUtf8(c->summary));
    text += QStringLiteral(
        "\nRun 'trustella COMMAND --help' for a command's arguments; 'trustella --version' prints the version.\n"
        "Exit codes: 0 success, 1 validation messages found (check), 2 usage error,\n"
        "3 unreadable or invalid input (or an output that cannot be written).\n");
    return text;
}
