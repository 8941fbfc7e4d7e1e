// Schedule 21: foreign income tax credits and the logging tax credit (no copies).
#include "host/form_calculations.h"
#include "schedules/sch21.h"

namespace {
void calculate(CalcPass& pass)
{
    if (auto* sch21 = pass.ret.first<TaxData_Sch21>())
        sch21->Calculate();
}
}  // namespace

FormCalculation sch21Calculation()
{
    return {
        {
            {{7, 5}, "Schedule 21: foreign income tax credits and logging tax credit", &calculate},
        },
        {},
    };
}
