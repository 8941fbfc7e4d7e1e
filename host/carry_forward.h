// Carry-forward: a new return started from last year's. Each old form that
// agrees to be imported (ShouldBeImported) is copied into a new form of its
// class (through its stored data, so data kept outside the fields comes
// along) and then turned into this year's starting values (ChangeToNewYearData).
#pragma once

#include "host/form_catalogue.h"
#include "host/tax_return.h"

// Throws ReturnFileError when an old form's class is not in the catalogue or
// its data does not read back.
TaxReturn carryForward(const TaxReturn& old, const STRUCT_IMPORT_LASTYEAR_PARAM& param,
                       const FormCatalogue& catalogue = FormCatalogue::standard());
