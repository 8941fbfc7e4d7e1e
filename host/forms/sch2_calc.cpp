// Schedule 2: reserves on dispositions of capital property. Rows 1 and 2 of
// column 3 go to Schedule 3 line 2; the totals go to Schedule 1 line 18.
#include "host/form_calculations.h"
#include "schedules/sch2.h"
#include "schedules/sch3.h"

namespace {
void calculate(CalcPass& pass)
{
    if (auto* sch2 = pass.ret.first<TaxData_Sch2>())
        sch2->Calculate();
}

// Column 3 of rows 1 and 2 (qualified farm or fishing property, qualified
// small business corporation shares), both periods.
double qualifiedPropertyReserves(TaxData_Sch2& s)
{
    return s.fld_qualifiedFarmFishing1 + s.fld_qualifiedBizShares1 + s.fld_qualifiedFarmFishing +
           s.fld_qualifiedBizShares;
}

using S2 = TaxData_Sch2;
using S3 = TaxData_Sch3;
}  // namespace

FormCalculation sch2Calculation()
{
    return {
        {
            {{2, 5}, "Schedule 2: reserves", &calculate},
        },
        {
            computedField<S2, S3, &qualifiedPropertyReserves>({2, 11}, "fld_part1TotalSch2",
                                                              "Schedule 2 column 3, rows 1 and 2"),
        },
    };
}
