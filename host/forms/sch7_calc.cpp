// Schedule 7: pension income allocations. It reads no other form; the
// provincial components read it when they exist.
#include "host/form_calculations.h"
#include "schedules/sch7.h"

namespace {
void calculate(CalcPass& pass)
{
    if (auto* sch7 = pass.ret.first<TaxData_Sch7>())
        sch7->Calculate();
}
}  // namespace

FormCalculation sch7Calculation()
{
    return {
        {
            {{2, 9}, "Schedule 7: pension income allocations", &calculate},
        },
        {},
    };
}
