// Tax notes: each note totals its own boxes.
#include "host/form_calculations.h"
#include "returns/taxnote.h"

namespace {
void totals(CalcPass& pass)
{
    for (TaxData_TaxNote* note : pass.ret.all<TaxData_TaxNote>())
        note->Calculate02();
}
}  // namespace

FormCalculation taxNoteCalculation()
{
    return {{{{8, 4}, "Tax notes", &totals}}, {}};
}
