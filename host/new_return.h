// What a new return starts with, for the command line and the window alike.
#pragma once

#include "host/form_catalogue.h"
#include "host/tax_return.h"

#include <QStringList>

// The return types a new return can be, in the order they are offered:
// T3, T3M, T3S, T3RCA, T3ATH.
const QStringList& newReturnTypes();
// The forms of a new return of `type` (one of the above), by JSON name, in
// order: the return-type form, the forms it works with, the T183
// authorization. Empty for an unknown type.
QStringList newReturnForms(const QString& type);
// The forms of a new T3 return: the T3 return, Schedules 9 and 11, the T183 authorization.
const QStringList& defaultNewReturnForms();
// A return holding the forms of a new return of `type`.
TaxReturn newDefaultReturn(const FormCatalogue& catalogue, const QString& type = QStringLiteral("T3"));
