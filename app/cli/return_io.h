// Reading and writing return files for the subcommands, with their errors
// turned into the command line's (InputError, UsageError).
#pragma once

#include "host/tax_return.h"

#include <QString>

#include "host/form_catalogue.h"

TaxReturn openReturn(const QString& path);
// Refuses, as a usage error, an output name that is not .t3r or .json.
void requireReturnFileName(const QString& path);
void writeReturn(const QString& path, const TaxReturn& ret);
// A form class named on the command line ("T3Ret" or "TaxData_T3Ret"); a usage error when unknown.
const FormClass& formClassArgument(const QString& name);
