// trustella: the command line of the T3 trust return preparation system.
#include "cli.h"
#include "commands.h"

#include <QCoreApplication>

namespace {
bool asksForHelp(const QStringList& args)
{
    for (const QString& a : args) {
        if (a == QLatin1String("--"))
            return false;
        if (a == QLatin1String("--help") || a == QLatin1String("-h"))
            return true;
    }
    return false;
}

int runCommand(const Command& command, const QStringList& args)
{
    const QString prefix = QStringLiteral("trustella %1: ").arg(QLatin1String(command.name));
    try {
        return command.run(parseInvocation(command, args));
    } catch (const UsageError& e) {
        printErr(prefix + QString::fromStdString(e.what()) +
                 QStringLiteral("\nRun 'trustella %1 --help' for usage.\n").arg(QLatin1String(command.name)));
        return kExitUsage;
    } catch (const std::exception& e) {
        printErr(prefix + QString::fromStdString(e.what()) + QLatin1Char('\n'));
        return kExitBadInput;
    }
}
}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        printErr(overviewText());
        return kExitUsage;
    }
    if (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h") || args[0] == QLatin1String("help")) {
        printOut(overviewText());
        return kExitOk;
    }
    if (args[0] == QLatin1String("--version")) {
        printOut(QStringLiteral("trustella %1\n").arg(QLatin1String(TRUSTELLA_VERSION)));
        return kExitOk;
    }
    const Command* command = findCommand(args[0]);
    if (!command) {
        printErr(QStringLiteral("trustella: unknown command \"%1\"\nRun 'trustella --help' for the list.\n").arg(args[0]));
        return kExitUsage;
    }
    const QStringList rest = args.mid(1);
    if (asksForHelp(rest)) {
        printOut(helpText(*command));
        return kExitOk;
    }
    return runCommand(*command, rest);
}
