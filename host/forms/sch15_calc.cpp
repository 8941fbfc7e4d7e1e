// Schedule 15: the trust's own schedule first, then each reportable entity
// with the Part A answers of the trust's schedule.
#include "host/form_calculations.h"
#include "schedules/sch15.h"

namespace {
void calculate(CalcPass& pass)
{
    const std::vector<TaxData_Sch15*> schedules = pass.ret.all<TaxData_Sch15>();
    TaxData_Sch15* main = nullptr;
    for (TaxData_Sch15* sch15 : schedules)
        if (sch15->formType() == TaxData_Sch15::kTrustSchedule) {
            main = sch15;
            break;
        }
    if (main)
        main->Calculate01();
    for (TaxData_Sch15* entity : schedules) {
        if (entity->formType() != TaxData_Sch15::kReportableEntity)
            continue;
        entity->syncFromMainSch15(main);
        entity->Calculate01();
    }
}
}  // namespace

FormCalculation sch15Calculation()
{
    return {
        {
            {{8, 6}, "Schedule 15: beneficial ownership", &calculate},
        },
        {},
    };
}
