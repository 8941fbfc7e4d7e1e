// Schedule 8: Part A before total income (lines 03, 3A, 04, 05 and 21 of the
// return), Part B after Schedule 9, whose lines 949 and 923 are its lines 19
// and 26 (line 49 of the return, lines 14 and 15 of Schedule 11).
#include "host/form_calculations.h"
#include "returns/t3ret.h"
#include "schedules/sch8.h"
#include "schedules/sch9.h"
#include "taxcalc/sch11.h"

namespace {
void calculate(CalcPass& pass)
{
    if (auto* sch8 = pass.ret.first<TaxData_Sch8>())
        sch8->Calculate();
}

double eligibleDesignated(TaxData_Sch9& sch9)
{
    return sch9.getRowAmount(949, 0);
}

double otherDesignated(TaxData_Sch9& sch9)
{
    return sch9.getRowAmount(923, 0);
}

using T3 = TaxData_T3Ret;
using S8 = TaxData_Sch8;
using S9 = TaxData_Sch9;
using S11 = TaxData_Sch11;
}  // namespace

FormCalculation sch8Calculation()
{
    return {
        {
            {{2, 8}, "Schedule 8: Part A (Part B with the last allocations)", &calculate},
            {{4, 7}, "Schedule 8: Part B after Schedule 9", &calculate},
        },
        {
            copyField<S8, T3>({2, 10}, "fld_after_8120", "fld_total_div", "Schedule 8 line 3"),
            copyField<S8, T3>({2, 10}, "fld_8110", "fld_noneligible_div", "Schedule 8 line 1"),
            copyField<S8, T3>({2, 10}, "fld_TotalFrnInvInc", "fld_foreign_inv", "Schedule 8 line 6"),
            copyField<S8, T3>({2, 10}, "fld_TotalOther", "fld_other_inv", "Schedule 8 line 12"),
            copyField<S8, T3>({2, 10}, "fld_after_8190", "fld_charges", "Schedule 8 line 17"),
            computedField<S9, S8, &eligibleDesignated>({4, 7}, "fld_EgblDivToBene", "Schedule 9 line 949"),
            computedField<S9, S8, &otherDesignated>({4, 7}, "fld_NonEgblDivToBene", "Schedule 9 line 923"),
            // After the second run: the rules at 4.7 run ahead of its step.
            copyField<S8, T3>({4, 8}, "fld_TotallDivGrossedup", "fld_gross_div", "Schedule 8 line 32"),
            copyField<S8, S11>({6, 4}, "fld_EgblDivGrossedup", "fld_EligibleDiv", "Schedule 8 line 24"),
            copyField<S8, S11>({6, 4}, "fld_NonEgblDivGrossedup", "fld_NonEligibleDiv", "Schedule 8 line 31"),
        },
    };
}
