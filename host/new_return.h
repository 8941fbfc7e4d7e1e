// What a new return starts with, for the command line and the window alike.
#pragma once

#include "host/form_catalogue.h"
#include "host/tax_return.h"

#include <QStringList>

// The forms of a new return, by JSON name, in order: the T3 return,
// Schedules 9 and 11, the T183 authorization.
const QStringList& defaultNewReturnForms();
// A return holding those forms.
TaxReturn newDefaultReturn(const FormCatalogue& catalogue);
