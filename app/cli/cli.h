// What every subcommand of `trustella` shares: exit codes, its description
// (from which the option parser and the --help text are made), the parsed
// command line, errors and output.
#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

enum ExitCode {
    kExitOk = 0,
    kExitMessages = 1,  // `check` found validation messages
    kExitUsage = 2,     // the command line is wrong
    kExitBadInput = 3,  // an input file cannot be read or is invalid
};

struct OptionSpec {
    const char* shortName;  // "-o", or nullptr
    const char* longName;   // "--output"
    const char* valueName;  // "OUT" for an option with a value, nullptr for a flag
    const char* help;
};

class Invocation;

struct Command {
    const char* name;
    const char* summary;      // one line for `trustella --help`
    const char* arguments;    // "FILE [-o OUT]": the usage line after the name
    const char* description;  // the paragraph of its --help
    std::vector<OptionSpec> options;
    int minPositional;
    int maxPositional;  // -1: any number
    int (*run)(const Invocation& args);
};

// The parsed command line of one subcommand.
class Invocation {
public:
    Invocation(const Command& command, QStringList positional, std::map<QString, QString> values)
        : m_command(command), m_positional(std::move(positional)), m_values(std::move(values))
    {
    }
    const Command& command() const { return m_command; }
    const QStringList& positional() const { return m_positional; }
    QString arg(int i) const { return m_positional.value(i); }
    // By long name ("--json"); flags hold "1".
    bool has(const char* longName) const { return m_values.count(QLatin1String(longName)) != 0; }
    QString value(const char* longName) const;

private:
    const Command& m_command;
    QStringList m_positional;
    std::map<QString, QString> m_values;
};

// Thrown by a subcommand for a wrong command line (exit 2).
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString& message) : std::runtime_error(message.toStdString()) {}
};
// Thrown by a subcommand for an input it cannot use (exit 3).
class InputError : public std::runtime_error {
public:
    explicit InputError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// Parses `args` (after the subcommand's name). Throws UsageError.
Invocation parseInvocation(const Command& command, const QStringList& args);
QString helpText(const Command& command);

// UTF-8 text to standard output / standard error.
void printOut(const QString& text);
// Text already in UTF-8 (a long document need not pass through a QString).
void printOutBytes(const std::string& utf8);
void printErr(const QString& text);
