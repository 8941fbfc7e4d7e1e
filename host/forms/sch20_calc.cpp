// Schedule 20: Part XIV tax (no copies).
#include "host/form_calculations.h"
#include "schedules/sch20.h"

namespace {
void calculate(CalcPass& pass)
{
    if (auto* sch20 = pass.ret.first<TaxData_Sch20>())
        sch20->Calculate();
}
}  // namespace

FormCalculation sch20Calculation()
{
    return {
        {
            {{7, 5}, "Schedule 20: Part XIV tax", &calculate},
        },
        {},
    };
}
