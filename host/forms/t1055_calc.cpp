// Form T1055: deemed dispositions. Line 20 goes to line 11 of the return and
// line 23 to line 01 (it replaces Schedule 1's taxable capital gains there,
// since its line 21 already holds them).
#include "host/form_calculations.h"
#include "returns/t3ret.h"
#include "schedules/t1055.h"

namespace {
void calculate(CalcPass& pass)
{
    if (auto* t1055 = pass.ret.first<TaxData_T1055>())
        t1055->Calculate();
}
}  // namespace

FormCalculation t1055Calculation()
{
    return {
        {
            {{2, 7}, "Form T1055: deemed dispositions", &calculate},
        },
        {
            copyField<TaxData_T1055, TaxData_T3Ret>({2, 10}, "fld_55530", "fld_taxable_capgain", "Form T1055 line 23"),
            copyField<TaxData_T1055, TaxData_T3Ret>({2, 10}, "fld_55420", "fld_deemed_disp", "Form T1055 line 20"),
        },
    };
}
