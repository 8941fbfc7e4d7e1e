// Form T2043: the return of fuel charge proceeds to farmers, to line 920 of
// the return.
#include "host/form_calculations.h"
#include "returns/t3ret.h"
#include "schedules/t2043.h"

namespace {
void calculate(CalcPass& pass)
{
    if (auto* t2043 = pass.ret.first<TaxData_T2043>())
        t2043->Calculate01();
}
}  // namespace

FormCalculation t2043Calculation()
{
    return {
        {
            {{7, 3}, "Form T2043: fuel charge proceeds to farmers", &calculate},
        },
        {
            copyField<TaxData_T2043, TaxData_T3Ret>({8, 1}, "fld_part5_5D", "fld_fuel_charge", "Form T2043 line 5D"),
        },
    };
}
