// Schedule 4: cumulative net investment loss, between Schedule 3's two runs
// (Schedule 3 lines 5, 6 and 9 in, line 28 out to Schedule 3 line 21), after
// Schedule 8's first run (its lines 1 and 2 into lines 16 and 15).
#include "host/form_calculations.h"
#include "returns/t3ret.h"
#include "schedules/sch3.h"
#include "schedules/sch4.h"
#include "schedules/sch8.h"

namespace {
void calculate(CalcPass& pass)
{
    if (auto* sch4 = pass.ret.first<TaxData_Sch4>())
        sch4->Calculate();
}

// Line 09 of the return: a loss is an expense (line 6), income is income (line 19).
double netRentalLoss(TaxData_T3Ret& t3)
{
    return t3.fld_net_rental < 0.0 ? -t3.fld_net_rental : 0.0;
}
double netRentalIncome(TaxData_T3Ret& t3)
{
    return t3.fld_net_rental > 0.0 ? double(t3.fld_net_rental) : 0.0;
}

using T3 = TaxData_T3Ret;
using S3 = TaxData_Sch3;
using S4 = TaxData_Sch4;
using S8 = TaxData_Sch8;
}  // namespace

FormCalculation sch4Calculation()
{
    return {
        {
            {{2, 12}, "Schedule 4: cumulative net investment loss", &calculate},
        },
        {
            copyField<T3, S4>({2, 12}, "fld_charges", "fld_CarryCharge", "T3 return line 21"),
            computedField<T3, S4, &netRentalLoss>({2, 12}, "fld_investmentNetRentalLoss",
                                                   "T3 return line 09, when a loss"),
            copyField<T3, S4>({2, 12}, "fld_netcap_loss", "fld_investmentNetLossOther", "T3 return line 52"),
            copyField<S3, S4>({2, 12}, "fld_AfterLine8", "fld_amtLine9Sch3", "Schedule 3 line 9"),
            copyField<T3, S4>({2, 12}, "fld_foreign_inv", "fld_foreignInvestment", "T3 return line 04"),
            copyField<T3, S4>({2, 12}, "fld_other_inv", "fld_otherInvestment", "T3 return line 05"),
            computedField<T3, S4, &netRentalIncome>({2, 12}, "fld_netRental", "T3 return line 09, when income"),
            copyField<S8, S4>({2, 12}, "fld_8120", "fld_line2Sch8", "Schedule 8 line 2"),
            copyField<S8, S4>({2, 12}, "fld_8110", "fld_line1Sch8", "Schedule 8 line 1"),
            copyField<S3, S4>({2, 12}, "fld_part1TotalTaxableCC", "fld_taxableCC", "Schedule 3 line 5"),
            copyField<S3, S4>({2, 12}, "fld_part1QualifyTaxableCC", "fld_amtLine6Sch3", "Schedule 3 line 6"),
            copyField<S4, S3>({2, 13}, "fld_4330", "fld_part2CumulativeNetLoss", "Schedule 4 line 28"),
        },
    };
}
