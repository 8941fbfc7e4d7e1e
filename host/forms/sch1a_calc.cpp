// Schedule 1A: capital gains on gifts of certain capital property. Its totals
// go to Schedule 1 and Schedule 12, which take them themselves.
#include "host/form_calculations.h"
#include "schedules/sch1a.h"

namespace {
void calculate(CalcPass& pass)
{
    if (auto* sch1a = pass.ret.first<TaxData_Sch1A>())
        sch1a->Calculate01();
}
}  // namespace

FormCalculation sch1aCalculation()
{
    return {
        {
            {{2, 4}, "Schedule 1A: gains on gifts", &calculate},
        },
        {},
    };
}
