// Schedule 23: allocation of the business limit (no copies).
#include "host/form_calculations.h"
#include "schedules/sch23.h"

namespace {
void calculate(CalcPass& pass)
{
    if (auto* sch23 = pass.ret.first<TaxData_Sch23>())
        sch23->Calculate();
}
}  // namespace

FormCalculation sch23Calculation()
{
    return {
        {
            {{7, 5}, "Schedule 23: allocation of the business limit", &calculate},
        },
        {},
    };
}
