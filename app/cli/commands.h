// The subcommands of `trustella`, one table row each (commands.cpp).
#pragma once

#include "cli.h"

// Each is defined in cmd_<name>.cpp.
extern const Command calcCommand, checkCommand, netfileCommand, efileCommand, rolloverCommand, convertCommand,
    newCommand, formsCommand, fieldsCommand, javaCommand, pagesCommand, importSharesCommand;
extern const Command importRecipientsCommand;
extern const Command slipsCommand;

const std::vector<const Command*>& commands();
const Command* findCommand(const QString& name);
// `trustella --help`: the usage line and every subcommand's summary.
QString overviewText();
