// Schedule 22: non-resident discretionary trusts (no copies).
#include "host/form_calculations.h"
#include "schedules/sch22.h"

namespace {
void calculate(CalcPass& pass)
{
    if (auto* sch22 = pass.ret.first<TaxData_Sch22>())
        sch22->Calculate();
}
}  // namespace

FormCalculation sch22Calculation()
{
    return {
        {
            {{7, 5}, "Schedule 22: non-resident discretionary trusts", &calculate},
        },
        {},
    };
}
