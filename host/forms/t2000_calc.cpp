// Form T2000: its tax of line 2411 is complete once its own rows are entered;
// the T3S and T3ATH-IND returns read it after this step.
#include "host/form_calculations.h"
#include "taxcalc/t2000.h"

namespace {
void agreements(CalcPass& pass)
{
    if (auto* t2000 = pass.ret.first<TaxData_T2000>())
        t2000->Calculate01();
}
}  // namespace

FormCalculation t2000Calculation()
{
    return {{{{7, 4}, "Form T2000: tax on agreements to acquire shares", &agreements}}, {}};
}
