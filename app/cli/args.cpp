#include "cli.h"

#include <cstdio>

namespace {
const OptionSpec kHelpOption{"-h", "--help", nullptr, "show this help"};

const OptionSpec* findOption(const Command& command, const QString& name)
{
    for (const OptionSpec& o : command.options)
        if ((o.shortName && name == QLatin1String(o.shortName)) || name == QLatin1String(o.longName))
            return &o;
    return nullptr;
}

QString optionLabel(const OptionSpec& o)
{
    QString label = o.shortName ? QStringLiteral("%1, %2").arg(QLatin1String(o.shortName), QLatin1String(o.longName))
                                : QLatin1String(o.longName);
    if (o.valueName)
        label += QLatin1Char(' ') + QLatin1String(o.valueName);
    return label;
}

// Breaks a paragraph into lines of at most `width` characters.
QString wrapped(const QString& paragraph, int width)
{
    QString out, line;
    for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            out += line + QLatin1Char('\n');
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return out + line;
}

void write(FILE* stream, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stream);
}
}  // namespace

QString Invocation::value(const char* longName) const
{
    const auto it = m_values.find(QLatin1String(longName));
    return it == m_values.end() ? QString() : it->second;
}

Invocation parseInvocation(const Command& command, const QStringList& args)
{
    QStringList positional;
    std::map<QString, QString> values;
    bool optionsEnded = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (optionsEnded || !a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) {
            positional << a;
            continue;
        }
        if (a == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const OptionSpec* o = findOption(command, a);
        if (!o)
            throw UsageError(QStringLiteral("unknown option %1").arg(a));
        const QString key = QLatin1String(o->longName);
        if (values.count(key))
            throw UsageError(QStringLiteral("option %1 given twice").arg(a));
        if (o->valueName) {
            if (i + 1 >= args.size())
                throw UsageError(QStringLiteral("option %1 needs a value (%2)").arg(a, QLatin1String(o->valueName)));
            values[key] = args[++i];
        } else {
            values[key] = QStringLiteral("1");
        }
    }
    if (positional.size() < command.minPositional)
        throw UsageError(QStringLiteral("missing arguments (usage: trustella %1 %2)")
                             .arg(QLatin1String(command.name), QLatin1String(command.arguments)));
    if (command.maxPositional >= 0 && positional.size() > command.maxPositional)
        throw UsageError(QStringLiteral("unexpected argument \"%1\"").arg(positional[command.maxPositional]));
    return Invocation(command, positional, values);
}

QString helpText(const Command& command)
{
    QString text = QStringLiteral("Usage: trustella %1 %2\n\n%3\n\nOptions:\n")
                       .arg(QLatin1String(command.name), QLatin1String(command.arguments),
                            wrapped(QString::fromUtf8(command.description), 78));
    std::vector<const OptionSpec*> options;
    for (const OptionSpec& o : command.options)
        options.push_back(&o);
    options.push_back(&kHelpOption);
    int width = 0;
    for (const OptionSpec* o : options)
        width = std::max(width, int(optionLabel(*o).size()));
    for (const OptionSpec* o : options)
        text += QStringLiteral("  %1  %2\n").arg(optionLabel(*o), -width).arg(QString::fromUtf8(o->help));
    return text;
}

void printOut(const QString& text) { write(stdout, text); }
void printOutBytes(const std::string& utf8) { std::fwrite(utf8.data(), 1, utf8.size(), stdout); }
void printErr(const QString& text) { write(stderr, text); }
