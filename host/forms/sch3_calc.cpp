// Schedule 3: eligible taxable capital gains. It runs before Schedule 4,
// which reads its lines 5, 6 and 9, and again after it, with Schedule 4's
// line 28 on its line 21.
#include "host/form_calculations.h"
#include "returns/t3ret.h"
#include "schedules/sch3.h"

namespace {
void calculate(CalcPass& pass)
{
    if (auto* sch3 = pass.ret.first<TaxData_Sch3>())
        sch3->Calculate();
}

using T3 = TaxData_T3Ret;
using S3 = TaxData_Sch3;
}  // namespace

FormCalculation sch3Calculation()
{
    return {
        {
            {{2, 11}, "Schedule 3: eligible taxable capital gains", &calculate},
            {{2, 13}, "Schedule 3: again, with Schedule 4 line 28", &calculate},
        },
        {
            copyField<T3, S3>({2, 11}, "fld_netcap_loss", "fld_part1NetCC", "T3 return line 52"),
            copyField<T3, S3>({2, 11}, "fld_allow_bil", "fld_AllowableBIL", "T3 return line 25"),
        },
    };
}
