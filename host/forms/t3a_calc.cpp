// The loss carryback request: its own calculation, and the end of the tax
// year its records report, from the T3 return when that is the return. No
// line is copied in: the user splits the losses.
#include "host/form_calculations.h"
#include "returns/t3a.h"
#include "returns/t3ret.h"

namespace {
void lossCarryback(CalcPass& pass)
{
    const auto* t3 = qobject_cast<const TaxData_T3Ret*>(pass.ret.first<TaxData_T3Base>());
    for (auto* t3a : pass.ret.all<TaxData_T3A>()) {
        t3a->m_taxYearEnd = t3 ? QDate(t3->fld_end_date) : QDate();
        t3a->Calculate();
    }
}
}  // namespace

FormCalculation t3aCalculation()
{
    return FormCalculation{{{{8, 7}, "T3A loss carryback request", &lossCarryback}}, {}};
}
